// The document on paper and the File menu's channel and print commands: the printout
// holds every group's channels and the radio-wide settings in the current language, the
// PDF export writes a file, and Export/Import channels go through the file dialogs.
// With TARVEN_SCREENSHOT_DIR set, the PDFs of a CB and a HAM document in both languages
// are kept there (scripts/screenshots_printout.sh renders them to pictures).
#include "../shell/ShellSession.h"

#include "DataFile.h"
#include "DocumentPrintout.h"
#include "ImageCompare.h"
#include "Models.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChildWindows.h"
#include "UiWindowCatalog.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestDocumentPrintout : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellSession> shell;
    QTemporaryDir tmp;

    void startBand(int band, int language)
    {
        shell = std::make_unique<ShellSession>();
        SetLanguage(language);
        QVERIFY(SetCurrentBand(band));
        shell->main->LoadNewDoc();
        QTRY_VERIFY(LoadedWindow(QStringLiteral("frmCommChInfo")));
    }
    QString outDir() const
    {
        const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
        return dir.isEmpty() ? tmp.path() : dir;
    }

private slots:
    void initTestCase() { RegisterAllWindows(); }
    void cleanup() { shell.reset(); }

    void printoutHoldsChannelsAndSettings_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("language");
        QTest::newRow("CB English") << 0 << 1;
        QTest::newRow("CB Chinese") << 0 << 2;
        QTest::newRow("HAM English") << 2 << 1;
        QTest::newRow("HAM Chinese") << 2 << 2;
    }
    void printoutHoldsChannelsAndSettings()
    {
        QFETCH(int, band);
        QFETCH(int, language);
        startBand(band, language);
        const QString html = PrintoutHtml();
        for (int id : {30260, 30261, 16100, 16101, 25000, 18000, 29000, 15019, 16001})
            QVERIFY2(html.contains(LangText(id).toHtmlEscaped()), qPrintable(LangText(id)));
        if (band == 0) {
            QVERIFY(html.contains(QStringLiteral("27.60125")));   // the UK plan as the grid shows it
            QVERIFY(html.contains(QStringLiteral(" DE</h3>")));
        } else {
            QVERIFY(html.contains(QStringLiteral(" VFO</h3>")));
            QVERIFY(html.contains(QStringLiteral("28.85000")));
        }

        const QString pdf = outDir() + QStringLiteral("/printout_%1_%2.pdf").arg(BandName(band), language == 1 ? "en" : "zh");
        QVERIFY(WritePrintoutPdf(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") >= 1 || bytes.size() > 2000);
        QVERIFY(!WritePrintoutPdf(tmp.path() + QStringLiteral("/no/such/folder/x.pdf")));
    }

    void printPreviewShowsThePages()
    {
        startBand(0, 2);
        bool shown = false;
        OnNextModal([&](QDialog *dlg) {
            shown = true;
            QCOMPARE(dlg->windowTitle(), LangText(30202).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
            const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
            if (!dir.isEmpty())
                dlg->grab().save(dir + QStringLiteral("/printpreview_CB_zh.png"));
            dlg->reject();
        }, QStringLiteral("dlgPrintPreview"));
        shell->main->menuEntry(QStringLiteral("mnuFilePrintPreview"))->trigger();
        QVERIFY(shown);
        SetLanguage(1);
    }

    // Accepts the import dialog (where the rows go) with its choice as it opens.
    static void acceptImportDialogWhenShown()
    {
        OnNextModal([](QDialog *dialog) { dialog->accept(); }, QStringLiteral("FrmImportChannels"));
    }

    void fileMenuExportsAndImportsChannels()
    {
        startBand(2, 1);
        ScriptedFiles files;
        const QString csv = tmp.filePath(QStringLiteral("bank.csv"));
        files.saveAnswers << csv;
        shell->main->menuEntry(QStringLiteral("mnuFileExportChannels"))->trigger();
        QVERIFY(files.log.first().startsWith(QStringLiteral("save: ") + LangText(30204) + QStringLiteral(" (*.csv)")));
        QVERIFY(QFile::exists(csv));
        // A finished export says where the file went.
        QCOMPARE(shell->answers->messages, QStringList{LangText(30607).arg(csv)});

        const QByteArray original = Image().toBytes();
        Image().channel(1)->TSQ = 1;
        Image().channel(402)->RDCT = 5;
        files.openAnswers << csv;
        acceptImportDialogWhenShown();
        shell->main->menuEntry(QStringLiteral("mnuFileImportChannels"))->trigger();
        QCOMPARE(Image().toBytes(), original);
        QCOMPARE(shell->answers->messages.last(), LangText(30206).arg(Image().count()));

        // A refused import changes nothing and names the line.
        QFile bad(tmp.filePath(QStringLiteral("bad.csv")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("Location,Frequency\n1,28.5\n2,35\n");
        bad.close();
        files.openAnswers << bad.fileName();
        acceptImportDialogWhenShown();
        shell->main->menuEntry(QStringLiteral("mnuFileImportChannels"))->trigger();
        QCOMPARE(Image().toBytes(), original);
        QVERIFY(shell->answers->messages.last().startsWith(LangText(30207)));
        QVERIFY(shell->answers->messages.last().contains(QStringLiteral("line 3: ")));

        // Export PDF from the menu.
        const QString pdf = tmp.filePath(QStringLiteral("doc.pdf"));
        files.saveAnswers << pdf;
        shell->main->menuEntry(QStringLiteral("mnuFileExportPdf"))->trigger();
        QVERIFY(files.log.last().startsWith(QStringLiteral("save: ") + LangText(30205) + QStringLiteral(" (*.pdf)")));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(shell->answers->messages.last(), LangText(30608).arg(pdf));
    }

    // Export channels and Export PDF write as Save does: never over the open document's
    // own file, nor over a pipe; the message says why.
    void exportsNeverReplaceTheDocument()
    {
        startBand(2, 1);
        const QString doc = tmp.filePath(QStringLiteral("club.dat"));
        QCOMPARE(SaveDataFile(doc), FileResult::Ok);
        Doc().DocumentPath = doc;
        const QByteArray saved = Image().toBytes();
        const QString fifo = tmp.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ScriptedFiles files;
        for (const char *entry : {"mnuFileExportChannels", "mnuFileExportPdf"}) {
            for (const QString &target : {doc, fifo}) {
                files.saveAnswers << target;
                shell->main->menuEntry(QString::fromLatin1(entry))->trigger();
                const QString reason = target == doc ? LangText(30650).arg(doc) : LangText(30000);
                QVERIFY2(shell->answers->messages.last().contains(reason), qPrintable(shell->answers->messages.last()));
                QFile file(doc);
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), saved);
                QVERIFY(!QFileInfo(fifo).isFile());
            }
        }
        // Print to file in the print dialog follows the same rules.
        OnNextModal([&](QDialog *dlg) {
            auto *print = static_cast<QPrintDialog *>(dlg);
            print->printer()->setOutputFileName(doc);
            print->done(QDialog::Accepted);
        }, QStringLiteral("dlgPrint"));
        shell->main->menuEntry(QStringLiteral("mnuFilePrint"))->trigger();
        QVERIFY2(shell->answers->messages.last().contains(LangText(30650).arg(doc)), qPrintable(shell->answers->messages.last()));
        QFile file(doc);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }
};

QTEST_MAIN(TestDocumentPrintout)
#include "tst_DocumentPrintout.moc"
