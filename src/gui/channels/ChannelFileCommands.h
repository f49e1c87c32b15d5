#pragma once
#include <QObject>

class frmMain;

// File menu: "Export channels..." writes the channel table of the document as a CSV
// file; "Import channels..." stores a CSV table into the document, all rows or none,
// and says which lines could not be stored.
class ChannelFileCommands : public QObject {
    Q_OBJECT
public:
    explicit ChannelFileCommands(frmMain *main);

public slots:
    void ExportChannels();
    void ImportChannels();

private:
    frmMain *main_;
};
