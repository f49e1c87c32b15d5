// Draws the channel grid and the channel edit dialog in each band and language, checks
// that no caption is cut off, and writes the pictures to $TARVEN_SCREENSHOT_DIR when set.
#include "ChannelWindowsFixture.h"
#include "FrmCHInfoEdit.h"
#include "FrmImportChannels.h"
#include "Frm_Mem_Freq.h"
#include "frmCommChInfo.h"
#include "WindowPictures.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "RadioImage.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace channeltest;
using namespace windowpictures;

class TestChannelScreenshots : public QObject {
    Q_OBJECT

    // A few channels with varied settings in bank A, and a changed language.
    static void sampleBankChannels()
    {
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.305"));
        SetChannelCell(0, 2, ColPublic, QStringLiteral("0"));
        SetChannelCell(0, 2, ColDup, QStringLiteral("1"));
        SetChannelCell(0, 2, ColTsq, QStringLiteral("1"));
        SetChannelCell(0, 2, ColRdct, QStringLiteral("12"));
        SetChannelCell(0, 3, ColFreq, QStringLiteral("28.455"));
        SetChannelCell(0, 3, ColPublic, QStringLiteral("0"));
        SetChannelCell(0, 3, ColAmFm, QStringLiteral("1"));
        SetChannelCell(0, 3, ColScan, QStringLiteral("0"));
        SetChannelCell(0, 10, ColFreq, QStringLiteral("29.6"));
        // Bytes a radio may hold in a channel it never used: shown as not valid.
        SetChannelCell(0, 5, ColFreq, QStringLiteral("28.6"));
        Image().channel(5)->setFreqText(QStringLiteral("0FFFFFF0"));
    }

private slots:
    void grids_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("language");
        for (int language : {1, 2}) {
            const char *lang = language == 1 ? "en" : "zh";
            QTest::newRow(qPrintable(QStringLiteral("cb_%1").arg(lang))) << 0 << language;
            QTest::newRow(qPrintable(QStringLiteral("hf_%1").arg(lang))) << 1 << language;
            QTest::newRow(qPrintable(QStringLiteral("ham_%1").arg(lang))) << 2 << language;
        }
    }
    void grids()
    {
        QFETCH(int, band);
        QFETCH(int, language);
        newDocument(band, language);
        if (band != 0)
            sampleBankChannels();
        Mdi mdi;
        auto *grid = show<frmCommChInfo>("frmCommChInfo");
        QVERIFY(grid);
        grid->grid()->setCurrentCell(1, frmCommChInfo::GridFreq);
        QCoreApplication::processEvents();
        checkNothingCut(grid);
        save(grid, QStringLiteral("grid_%1_%2").arg(BandName(band).toLower(), language == 1 ? "en" : "zh"));
    }

    void dialogs_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("group");
        for (int language : {1, 2}) {
            const QString lang = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
            QTest::newRow(qPrintable("fm_" + lang)) << (language * 10 + 1) << 2 << "dialog_fm_" + lang << 0;
            QTest::newRow(qPrintable("am_" + lang)) << (language * 10 + 1) << 3 << "dialog_am_" + lang << 0;
            QTest::newRow(qPrintable("empty_" + lang)) << (language * 10 + 2) << 5 << "dialog_empty_" + lang << 0;
            QTest::newRow(qPrintable("cb_" + lang)) << (language * 10 + 0) << 1 << "dialog_cb_" + lang << 0;
            QTest::newRow(qPrintable("cb_mem_" + lang)) << (language * 10 + 0) << 3 << "dialog_cb_mem_" + lang << 8;
        }
    }
    void dialogs()
    {
        QFETCH(int, band);
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(int, group);
        const int language = band / 10;
        newDocument(band % 10, language);
        if (band % 10 != 0)
            sampleBankChannels();
        Edit().CurrentGroup = group;
        Edit().CurrentChannel = position;
        Mdi mdi;
        auto *dialog = show<FrmCHInfoEdit>("FrmCHInfoEdit");
        QVERIFY(dialog);
        QCoreApplication::processEvents();
        checkNothingCut(dialog);
        save(dialog, name);
    }

    // The import dialog with its placing choice, for a file and for the stock lists.
    void importDialogs()
    {
        for (int language : {1, 2}) {
            const QString lang = language == 1 ? QStringLiteral("en") : QStringLiteral("zh");
            newDocument(2, language);
            sampleBankChannels();
            FrmImportChannels file(QStringLiteral("/home/club/chirp-export.csv"));
            file.choosePlacement(0);
            file.show();
            QCoreApplication::processEvents();
            checkNothingCut(&file);
            QVERIFY(file.findChild<QRadioButton *>(QStringLiteral("Option2"))->isChecked());
            QCOMPARE(file.placement().group, 0);
            QVERIFY(file.findChild<QLabel *>(QStringLiteral("LabelFree"))->text().contains(QString::number(FreePositions(0, 2).size())));
            save(&file, QStringLiteral("import_dialog_%1").arg(lang));

            const QList<StockList> lists = StockListsIn(QStringLiteral(TARVEN_TEST_SOURCE_DIR "/resources/stock"));
            FrmImportChannels stock(lists);
            stock.chooseStockList(int(lists.size()) - 1);
            stock.show();
            QCoreApplication::processEvents();
            // A 10 m list names no channels: its rows can only be placed.
            QVERIFY(!stock.findChild<QRadioButton *>(QStringLiteral("Option1"))->isEnabled());
            QVERIFY(stock.placement().placing());
            QCOMPARE(stock.chosenPath(), lists.last().path);
            save(&stock, QStringLiteral("stock_dialog_%1").arg(lang));
        }
    }

    void memPicker()
    {
        for (int language : {1, 2}) {
            newDocument(0, language);
            Frm_Mem_Freq picker(QStringLiteral("27.18500"));
            picker.show();
            QCoreApplication::processEvents();
            checkNothingCut(&picker);
            save(&picker, QStringLiteral("mem_picker_%1").arg(language == 1 ? "en" : "zh"));
        }
    }
};

QTEST_MAIN(TestChannelScreenshots)
#include "tst_ChannelScreenshots.moc"
