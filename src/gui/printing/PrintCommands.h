#pragma once
#include <QObject>

class frmMain;

// Printing the document: File > Print (and the toolbar's Print key) through the print
// dialog, File > Print preview, and File > Export PDF.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    explicit PrintCommands(frmMain *main);

public slots:
    void Print();
    void PrintPreview();
    void ExportPdf();

private:
    frmMain *main_;
};
