// The pictures of the user guide: the main window and the windows of each of the guide's
// tasks, drawn from the real windows. Each picture is checked for being drawn at all; with
// $TARVEN_SCREENSHOT_DIR set (scripts/screenshots_guide.sh sets it to docs/images) they
// are written there, so the guide always shows the program as it is.
#include "ComfortSession.h"

#include "ChannelCell.h"
#include "ChannelEditCommands.h"
#include "DocumentPlaces.h"
#include "FrmImportChannels.h"
#include "FrmCompare.h"
#include "FrmProgress.h"
#include "FrmSetComm.h"
#include "ImageDiff.h"
#include "LangText.h"
#include "RadioImage.h"
#include "WindowPictures.h"
#include "frmCommChInfo.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTableWidget>

using comfort::control;

class TestGuideScreenshots : public QObject {
    Q_OBJECT

    std::unique_ptr<ComfortSession> s;

    // The whole main window, as the user sees it.
    void picture(const QString &name)
    {
        QCoreApplication::processEvents();
        windowpictures::save(s->main.get(), name);
    }
    // An open menu of the main window.
    void menuPicture(const char *menuName, const QString &name)
    {
        QMenu *m = s->main->menu(QString::fromLatin1(menuName));
        emit m->aboutToShow();
        m->popup(s->main->mapToGlobal(QPoint(10, 30)));
        QCoreApplication::processEvents();
        const QPixmap pixmap = m->grab();
        QVERIFY(!pixmap.isNull());
        const QString dir = qEnvironmentVariable("TARVEN_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(pixmap.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
        m->hide();
    }
    frmCommChInfo *grid() const { return qobject_cast<frmCommChInfo *>(LoadedWindow(QStringLiteral("frmCommChInfo"))); }

private slots:
    void init()
    {
        s = std::make_unique<ComfortSession>();
        // The guide is in English; TARVEN_GUIDE_LANGUAGE=2 draws the same pictures in
        // Chinese, to look at them (scripts/screenshots_guide.sh zh DIR).
        if (qEnvironmentVariableIntValue("TARVEN_GUIDE_LANGUAGE") == 2)
            SetLanguage(2);
        s->main->resize(1000, 720);
        QVERIFY(s->newDocument(1));
    }
    void cleanup() { s.reset(); }

    void firstStartAndPort()
    {
        picture(QStringLiteral("guide-main"));
        FrmSetComm port(s->main.get());
        port.show();
        QCoreApplication::processEvents();
        windowpictures::save(&port, QStringLiteral("guide-port"));
    }

    void importDialog()
    {
        FrmImportChannels dialog(QStringLiteral("/home/club/chirp-export.csv"), s->main.get());
        dialog.choosePlacement(1);
        dialog.show();
        QCoreApplication::processEvents();
        windowpictures::checkNothingCut(&dialog);
        windowpictures::save(&dialog, QStringLiteral("guide-import"));
    }

    void editingInTheGridAndTheDialog()
    {
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.305"));
        SetChannelCell(0, 3, ColFreq, QStringLiteral("28.455"));
        frmCommChInfo *g = grid();
        g->grid()->setCurrentCell(3, frmCommChInfo::GridFreq);
        g->EnterGridEdit();
        auto *box = control<QLineEdit>("frmCommChInfo", QStringLiteral("Text1"));
        box->setText(QStringLiteral("28.123456"));
        QTest::keyClick(box, Qt::Key_Return);   // stored on the raster; the status bar says so
        picture(QStringLiteral("guide-grid"));

        g->grid()->setCurrentCell(1, frmCommChInfo::GridEdit);
        g->EnterGridEdit();   // ">>" opens the channel edit dialog
        QTRY_VERIFY(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
        picture(QStringLiteral("guide-channel-edit"));
        menuPicture("mnuEdit", QStringLiteral("guide-edit-menu"));
    }

    void featureWindows()
    {
        ShowChild(QStringLiteral("FrmOptFeatures"));
        picture(QStringLiteral("guide-options"));
        CloseAllChildWindows();
        ShowChild(QStringLiteral("FrmKey"));
        picture(QStringLiteral("guide-keys"));
    }

    void recentFiles()
    {
        for (const char *name : {"club-hf.dat", "field-day.dat", "home.dat"}) {
            s->files->saveAnswers = {s->file(QString::fromLatin1(name))};
            s->main->mnuFileSaveAs_Click();
        }
        menuPicture("mnuFile", QStringLiteral("guide-file-menu"));
    }

    // Before a customer's radio is written: the Settings menu with the backup folder and
    // verify, the progress window a transfer shows (with its Cancel button).
    void safetyNet()
    {
        menuPicture("mnuSet", QStringLiteral("guide-settings-menu"));
        FrmProgress progress(LinkWrite, s->main.get());
        progress.setPhase(LinkPhase::Verifying);
        progress.SetProgressValue(64);
        progress.show();
        QCoreApplication::processEvents();
        windowpictures::checkNothingCut(&progress);
        windowpictures::save(&progress, QStringLiteral("guide-progress"));
    }

    // The compare window: the document against a copy of it changed as a customer's
    // radio might be.
    void compareWindow()
    {
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.305"));
        RadioImage radio = Image();
        radio.channel(2)->Tx_Power = int16_t(radio.channel(2)->Tx_Power == 0 ? 1 : 0);
        radio.channel(2)->RDCT = 8;
        radio.header.options.TOT = 3;
        radio.removeChannel(radio.findChannel(1));
        const QString document = LangText(30121);
        FrmCompare compare(document, LangText(30122),
                           DifferenceLines(CompareImages(Image(), radio, document, LangText(30122))), s->main.get());
        compare.resize(640, 220);
        compare.show();
        QCoreApplication::processEvents();
        windowpictures::save(&compare, QStringLiteral("guide-compare"));
    }

    // The Channel menu of the grid (also its right-click menu) and the print preview.
    void channelMenuAndPrintPreview()
    {
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.305"));
        QTRY_VERIFY(ChannelEditCommands::IsChannelGrid(MdiArea()->activeSubWindow()));
        grid()->grid()->setCurrentCell(1, frmCommChInfo::GridFreq);
        menuPicture("MnuCHEdit", QStringLiteral("guide-channel-menu"));

        bool shown = false;
        OnNextModal([&](QDialog *dlg) {
            shown = true;
            dlg->resize(900, 620);
            QCoreApplication::processEvents();
            windowpictures::save(dlg, QStringLiteral("guide-print-preview"));
            dlg->reject();
        }, QStringLiteral("dlgPrintPreview"));
        s->main->menuEntry(QStringLiteral("mnuFilePrintPreview"))->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestGuideScreenshots)
#include "tst_GuideScreenshots.moc"
