#pragma once
#include "ChannelImport.h"

#include <QObject>

class frmMain;

// File menu: "Export channels..." writes the channel table of the document as a CSV
// file; "Import channels..." stores a CSV table into the document, all rows or none,
// and says which lines could not be stored; "Import stock list..." does the same with
// one of the lists shipped with the program. Both ask where the rows go first.
class ChannelFileCommands : public QObject {
    Q_OBJECT
public:
    explicit ChannelFileCommands(frmMain *main);

public slots:
    void ExportChannels();
    void ImportChannels();
    void ImportStockList();
    // The import itself, once the file and the placing are chosen.
    void ImportTableFile(const QString &path, RowPlacement placement);

private:
    frmMain *main_;
};
