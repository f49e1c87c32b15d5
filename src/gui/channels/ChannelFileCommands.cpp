#include "ChannelFileCommands.h"

#include "ChannelExport.h"
#include "ChannelImport.h"
#include "DocumentChange.h"
#include "FileChooser.h"
#include "FrmImportChannels.h"
#include "StockLists.h"
#include "LangText.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SaveTarget.h"
#include "frmMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {
QString csvFilter()
{
    return LangText(30204) + QStringLiteral(" (*.csv)");
}

// The document's name with ".csv": "club.dat" suggests "club.csv".
QString suggestedName()
{
    const QFileInfo info(Doc().DocumentPath);
    return info.path() == QLatin1String(".") ? info.completeBaseName() + QStringLiteral(".csv")
                                              : info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".csv");
}
}

ChannelFileCommands::ChannelFileCommands(frmMain *main) : QObject(main), main_(main)
{
    connect(main->menuEntry(QStringLiteral("mnuFileExportChannels")), &QAction::triggered, this,
            &ChannelFileCommands::ExportChannels);
    connect(main->menuEntry(QStringLiteral("mnuFileImportChannels")), &QAction::triggered, this,
            &ChannelFileCommands::ImportChannels);
    connect(main->menuEntry(QStringLiteral("mnuFileImportStockList")), &QAction::triggered, this,
            &ChannelFileCommands::ImportStockList);
}

void ChannelFileCommands::ExportChannels()
{
    main_->SetSaveEditData();
    const QString path = fileChooser().chooseSavePath(csvFilter(), suggestedName());
    if (path.isEmpty())
        return;
    // Never over the document's own file, a device or a pipe, and never half a table.
    const QStringList document = Doc().Untitled ? QStringList() : QStringList{Doc().DocumentPath};
    QString error;
    if (!SaveFileBytes(path, ExportChannelTable(Image(), Run().BandMode, ChannelCsvFormat::Tarven), document, &error))
        prompts().message(LangText(9002) + QStringLiteral("\n\n") + error, MsgIcon::Critical);
    else
        prompts().message(LangText(30607).arg(QDir::toNativeSeparators(path)), MsgIcon::Information);
}

void ChannelFileCommands::ImportChannels()
{
    main_->SetSaveEditData();
    const QString path = fileChooser().chooseOpenPath(csvFilter());
    if (path.isEmpty())
        return;
    FrmImportChannels dialog(path, main_);
    if (dialog.exec() == QDialog::Accepted)
        ImportTableFile(path, dialog.placement());
}

void ChannelFileCommands::ImportStockList()
{
    main_->SetSaveEditData();
    const QList<StockList> lists = StockListsIn(StockListDir());
    if (lists.isEmpty()) {
        prompts().message(LangText(30728).arg(StockListDir()), MsgIcon::Warning);
        return;
    }
    FrmImportChannels dialog(lists, main_);
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenPath().isEmpty())
        ImportTableFile(dialog.chosenPath(), dialog.placement());
}

void ChannelFileCommands::ImportTableFile(const QString &path, RowPlacement placement)
{
    QByteArray table;
    if (!ReadTableFile(path, &table)) {
        prompts().message(LangText(9002), MsgIcon::Critical);
        return;
    }
    BeginDocumentChange(LangText(30201).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    const ImportOutcome outcome = ImportChannelTable(table, placement);
    if (outcome.ok)
        prompts().message(LangText(30206).arg(outcome.rows), MsgIcon::Information);
    else
        prompts().message(LangText(30207) + QStringLiteral("\n\n") + outcome.errorReport(), MsgIcon::Warning);
}
