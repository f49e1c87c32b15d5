#include "PrintCommands.h"

#include "DocumentPrintout.h"
#include "FileChooser.h"
#include "LangText.h"
#include "Prompts.h"
#include "RunSettings.h"
#include "frmMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
void preparePrinter(QPrinter &printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QFileInfo(Doc().DocumentPath).fileName());
}
}

PrintCommands::PrintCommands(frmMain *main) : QObject(main), main_(main)
{
    connect(main->menuEntry(QStringLiteral("mnuFilePrint")), &QAction::triggered, this, &PrintCommands::Print);
    connect(main->toolButton(QStringLiteral("Print")), &QAction::triggered, this, &PrintCommands::Print);
    connect(main->menuEntry(QStringLiteral("mnuFilePrintPreview")), &QAction::triggered, this, &PrintCommands::PrintPreview);
    connect(main->menuEntry(QStringLiteral("mnuFileExportPdf")), &QAction::triggered, this, &PrintCommands::ExportPdf);
}

void PrintCommands::Print()
{
    main_->SetSaveEditData();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintDialog dialog(&printer, main_);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printer.outputFileName().isEmpty()) {
        // "Print to file" writes the pages as Export PDF does, by the rules of every
        // written file: never over the document's own file, a device or a pipe.
        QString error;
        if (!WritePrintoutPdf(printer.outputFileName(), &error))
            prompts().message(LangText(30214) + QStringLiteral("\n\n") + error, MsgIcon::Critical);
        else
            prompts().message(LangText(30608).arg(QDir::toNativeSeparators(printer.outputFileName())),
                              MsgIcon::Information);
        return;
    }
    if (!PaintPrintout(&printer))
        prompts().message(LangText(30214), MsgIcon::Critical);
}

void PrintCommands::PrintPreview()
{
    main_->SetSaveEditData();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog preview(&printer, main_);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    preview.setWindowTitle(LangText(30202).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [](QPrinter *p) { PaintPrintout(p); });
    preview.resize(main_->size() * 0.9);
    preview.exec();
}

void PrintCommands::ExportPdf()
{
    main_->SetSaveEditData();
    const QFileInfo doc(Doc().DocumentPath);
    const QString suggested = (doc.path() == QLatin1String(".") ? QString() : doc.path() + QLatin1Char('/'))
                              + doc.completeBaseName() + QStringLiteral(".pdf");
    const QString path = fileChooser().chooseSavePath(LangText(30205) + QStringLiteral(" (*.pdf)"), suggested);
    if (path.isEmpty())
        return;
    QString error;
    if (WritePrintoutPdf(path, &error))
        prompts().message(LangText(30608).arg(QDir::toNativeSeparators(path)), MsgIcon::Information);
    else
        prompts().message(LangText(30214) + QStringLiteral("\n\n") + error, MsgIcon::Critical);
}
