// The channel table window, its bulk edit dialog and the channel checks, driven through
// their real widgets: what they store is what the channel edit dialog stores, filters
// and sorting leave the image alone, and every command is one undo step.
#include "ChannelWindowsFixture.h"
#include "FrmBulkEdit.h"
#include "FrmCHInfoEdit.h"
#include "FrmChannelCheck.h"
#include "FrmChannelTable.h"
#include "ChannelTableColumns.h"
#include "ChannelTableFilter.h"
#include "ChannelTableModel.h"
#include "ChannelTableView.h"
#include "WindowPictures.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "DocumentHistory.h"
#include "FreqCodec.h"
#include "GroupSettings.h"
#include "LangText.h"
#include "UiStatusNote.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace channeltest;
namespace Col = ChannelTableColumns;

namespace {
// A HAM document whose bank A holds 40 channels with their own settings, frequencies
// falling from 29.0 MHz so that position order is not frequency order.
void fortyChannels(int language = 1)
{
    newDocument(2, language);
    for (int p = 1; p <= 40; ++p) {
        if (!Image().channel(p))
            Image().addChannel(p, FormatFreq(29.0 - 0.01 * p));
        Image().channel(p)->setFreqText(FreqTextToDigits(FormatFreq(29.0 - 0.01 * p)));
        Image().channel(p)->Public = 0;
    }
    Image().channel(3)->RDCT = 8;      // 88.5 Hz
    Image().channel(4)->TDCT = 39;     // the first DCS code
    Image().channel(5)->AM_FM = 1;
    Image().channel(5)->Tx_Power = 1;
    SaveToSavedCopy();
    ResetDocumentHistory();
}

QModelIndex cell(FrmChannelTable *table, int number, int column)
{
    const int row = table->model()->rowOf(number);
    return table->filter()->mapFromSource(table->model()->index(row, column));
}

// Answers the next message box with the button whose caption is given.
void answerNextMessageBox(const QString &caption)
{
    QTimer::singleShot(0, [caption] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                for (QAbstractButton *b : box->buttons()) {
                    if (b->text() == caption) {
                        b->click();
                        return;
                    }
                }
            }
        }
    });
}
}

class TestChannelTable : public QObject {
    Q_OBJECT
    std::unique_ptr<Mdi> mdi_;
    QMainWindow statusHolder_;   // the status bar the notes go to, as the main window's

    FrmChannelTable *openTable()
    {
        if (!mdi_)
            mdi_ = std::make_unique<Mdi>();
        Edit().CurrentGroup = 0;
        auto *table = show<FrmChannelTable>("FrmChannelTable");
        return table;
    }

private slots:
    void initTestCase()
    {
        statusHolder_.setObjectName(QStringLiteral("frmMain"));
        statusHolder_.statusBar();
        statusHolder_.show();
    }
    void cleanup()
    {
        mdi_.reset();
        statusHolder_.statusBar()->clearMessage();
    }

    void tableAndDialogStoreTheSameBytes()
    {
        // Each setting stored once through a table cell and once through the dialog.
        struct Change { int column; int entry; QString text; };
        const QList<Change> changes = {
            {Col::Mode, 1, {}}, {Col::Power, 2, {}}, {Col::RxTone, 12, {}}, {Col::Duplex, 2, {}},
            {Col::Scan, 0, {}}, {Col::Frequency, -1, QStringLiteral("28.3051")}, {Col::Offset, -1, QStringLiteral("603")},
        };
        for (const Change &change : changes) {
            fortyChannels();
            FrmChannelTable *table = openTable();
            QVERIFY(table);
            const QModelIndex at = cell(table, 2, change.column);
            QVERIFY(at.flags() & Qt::ItemIsEditable);
            if (change.entry >= 0)
                QVERIFY(table->filter()->setData(at, change.entry, ChannelTableModel::EntryIndexRole));
            else
                QVERIFY(table->filter()->setData(at, change.text, Qt::EditRole));
            const QByteArray byTable = Image().toBytes();
            const QString tableNote = CurrentStatusNote();
            QCOMPARE(History().undoSteps(), 1);
            mdi_.reset();

            fortyChannels();
            mdi_ = std::make_unique<Mdi>();
            Edit().CurrentGroup = 0;
            Edit().CurrentChannel = 2;
            auto *dialog = show<FrmCHInfoEdit>("FrmCHInfoEdit");
            QVERIFY(dialog);
            if (change.column == Col::Frequency || change.column == Col::Offset) {
                auto *box = control<QLineEdit>(dialog, change.column == Col::Frequency ? "Text1" : "Text2");
                box->setText(change.text);
                QMetaObject::invokeMethod(dialog, "ValidateControls");
            } else {
                static const QHash<int, int> option = {
                    {Col::Mode, FrmCHInfoEdit::OptAmFm}, {Col::Power, FrmCHInfoEdit::OptTxPower},
                    {Col::RxTone, FrmCHInfoEdit::OptRdct}, {Col::Duplex, FrmCHInfoEdit::OptDup},
                    {Col::Scan, FrmCHInfoEdit::OptScan},
                };
                choose(dialog->option(option.value(change.column)), change.entry);
            }
            QCOMPARE(Image().toBytes(), byTable);
            QCOMPARE(CurrentStatusNote(), tableNote);
            mdi_.reset();
        }
    }

    void rulesOfTheDialogHold()
    {
        fortyChannels();
        Image().channel(6)->Public = 1;
        FrmChannelTable *table = openTable();
        // Common settings: only the settings the dialog leaves enabled can be changed.
        QVERIFY(cell(table, 6, Col::Scan).flags() & Qt::ItemIsEditable);
        QVERIFY(!(cell(table, 6, Col::Mode).flags() & Qt::ItemIsEditable));
        // An AM channel offers Low and Medium power only.
        QCOMPARE(cell(table, 5, Col::Power).data(ChannelTableModel::EntriesRole).toStringList().size(), 2);
        // An empty position takes only a frequency.
        table->model()->setGroup(1);
        QVERIFY(cell(table, 41, Col::Frequency).flags() & Qt::ItemIsEditable);
        QVERIFY(!(cell(table, 41, Col::Mode).flags() & Qt::ItemIsEditable));

        newDocument(0);
        mdi_.reset();
        table = openTable();
        QVERIFY(table->view()->isColumnHidden(Col::Power));
        QVERIFY(!(cell(table, 1, Col::Frequency).flags() & Qt::ItemIsEditable));
        table->model()->setGroup(1);   // CE: FM only
        QVERIFY(!(cell(table, 41, Col::Mode).flags() & Qt::ItemIsEditable));
    }

    void filterAndSortNeverChangeTheImage()
    {
        fortyChannels();
        const QByteArray before = Image().toBytes();
        FrmChannelTable *table = openTable();
        auto *find = control<QLineEdit>(table, "FindText");
        auto *used = control<QCheckBox>(table, "UsedOnly");
        auto shown = [table] { return table->filter()->rowCount(); };
        QCOMPARE(shown(), 40);
        find->setText(QStringLiteral("28.9"));          // 28.90 .. 28.99
        QCOMPARE(shown(), 10);
        find->setText(QStringLiteral("88.5"));
        QCOMPARE(shown(), 1);
        find->setText(QStringLiteral("D023"));
        QCOMPARE(shown(), 1);
        find->setText(QStringLiteral("am"));
        QCOMPARE(shown(), 1);
        find->setText(QStringLiteral("28.60-28.70"));   // positions 30..40
        QCOMPARE(shown(), 11);
        find->clear();
        table->model()->setGroup(ChannelTableModel::kAllGroups);
        QCOMPARE(shown(), 409);
        used->setChecked(true);
        QCOMPARE(shown(), Image().count());   // every stored channel, the empty positions hidden
        QVERIFY(control<QLabel>(table, "CountLabel")->text().startsWith(QString::number(shown())));
        table->view()->sortByColumn(Col::Frequency, Qt::AscendingOrder);
        QVERIFY(table->filter()->index(0, Col::Frequency).data().toString()
                <= table->filter()->index(1, Col::Frequency).data().toString());
        table->view()->sortByColumn(Col::RxTone, Qt::DescendingOrder);
        QCOMPARE(Image().toBytes(), before);
        QCOMPARE(History().undoSteps(), 0);
    }

    void bulkEditIsOneStepAndTheSameAsSingleEdits()
    {
        fortyChannels();
        FrmChannelTable *table = openTable();
        for (int p = 1; p <= 40; ++p) {
            table->filter()->setData(cell(table, p, Col::TxTone), 8, ChannelTableModel::EntryIndexRole);
            table->filter()->setData(cell(table, p, Col::Scan), 0, ChannelTableModel::EntryIndexRole);
        }
        const QByteArray single = Image().toBytes();
        mdi_.reset();

        fortyChannels();
        table = openTable();
        table->view()->selectAll();
        QCOMPARE(table->selectedChannels().size(), 40);
        FrmBulkEdit dialog(table->selectedChannels(), table);
        choose(dialog.selector(Col::TxTone), 8 + 1);   // entry 0 is "(leave as is)"
        choose(dialog.selector(Col::Scan), 0 + 1);
        QVERIFY(dialog.apply());
        QCOMPARE(Image().toBytes(), single);
        QCOMPARE(History().undoSteps(), 1);
        QVERIFY(History().undo());
        QCOMPARE(Image().toBytes(), Saved().toBytes());
    }

    void bulkRefusalComesBeforeAnyChange()
    {
        fortyChannels();
        const QByteArray before = Image().toBytes();
        FrmChannelTable *table = openTable();
        table->view()->selectAll();
        FrmBulkEdit dialog(table->selectedChannels(), table);
        choose(dialog.selector(Col::Power), 2 + 1);     // High: channel 5 is AM
        answerNextMessageBox(LangText(31085));          // Cancel
        QVERIFY(!dialog.apply());
        QCOMPARE(Image().toBytes(), before);
        answerNextMessageBox(LangText(31075));          // Apply to the others
        QVERIFY(dialog.apply());
        QCOMPARE(Image().channel(5)->Tx_Power, int16_t(1));
        QCOMPARE(Image().channel(6)->Tx_Power, int16_t(2));
        QCOMPARE(History().undoSteps(), 1);
    }

    void arrangeIsUndoneByteForByte()
    {
        fortyChannels();
        StoreCurrentChannel(Image(), 0, 2, 1);   // A-1, the highest frequency
        const QByteArray before = Image().toBytes();
        FrmChannelTable *table = openTable();
        table->ArrangeByFrequency();
        // The current channel follows its channel, as Move has it follow.
        QCOMPARE(StoredCurrentChannel(Image(), 0, 2) + 1, 40);
        QCOMPARE(Image().channel(1)->freqText(), FreqTextToDigits(QStringLiteral("28.6")));
        QCOMPARE(Image().channel(40)->freqText(), FreqTextToDigits(QStringLiteral("28.99")));
        QVERIFY(CurrentStatusNote().startsWith(QLatin1String("40 of the 40 channels of A")));
        QCOMPARE(History().undoSteps(), 1);
        QVERIFY(History().undo());
        QCOMPARE(Image().toBytes(), before);
        // The CB band keeps its plans in place.
        newDocument(0);
        mdi_.reset();
        const QByteArray cb = Image().toBytes();
        openTable()->ArrangeByFrequency();
        QCOMPARE(Image().toBytes(), cb);
    }

    void checksOpenTheirChannel()
    {
        fortyChannels();
        Image().channel(7)->setFreqText(FreqTextToDigits(QStringLiteral("28.99")));   // same as A-1
        mdi_ = std::make_unique<Mdi>();
        auto *check = show<FrmChannelCheck>("FrmChannelCheck");
        QVERIFY(check);
        QTreeWidgetItem *twice = nullptr;
        for (int i = 0; i < check->list()->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = check->list()->topLevelItem(i);
            if (item->text(1).contains(QLatin1String("stored twice")))
                twice = item;
        }
        QVERIFY(twice);
        QCOMPARE(twice->text(0), QStringLiteral("A-7"));
        check->OpenFinding(twice);
        QCOMPARE(Edit().CurrentChannel, 7);
        QVERIFY(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("screen");
        for (int language : {1, 2}) {
            const char *lang = language == 1 ? "en" : "zh";
            QTest::addRow("%s_1280", lang) << language << QSize(1280, 1024);
            QTest::addRow("%s_800", lang) << language << QSize(800, 600);
        }
    }
    void pictures()
    {
        QFETCH(int, language);
        QFETCH(QSize, screen);
        fortyChannels(language);
        Image().channel(8)->setFreqText(FreqTextToDigits(QStringLiteral("29.64")));
        mdi_ = std::make_unique<Mdi>();
        mdi_->area->resize(screen);
        const QString suffix = QStringLiteral("%1_%2").arg(language == 1 ? "en" : "zh").arg(screen.width());

        FrmChannelTable *table = openTable();
        QVERIFY(table);
        table->parentWidget()->resize(screen.width() - 20, screen.height() - 40);
        table->view()->selectRow(2);
        QCoreApplication::processEvents();
        windowpictures::checkNothingCut(table);
        windowpictures::save(table, QStringLiteral("channel_table_") + suffix);

        FrmBulkEdit dialog(QList<int>{1, 2, 3, 4}, table);
        dialog.show();
        QCoreApplication::processEvents();
        QVERIFY(dialog.width() <= screen.width() && dialog.height() <= screen.height());
        windowpictures::checkNothingCut(&dialog);
        windowpictures::save(&dialog, QStringLiteral("bulk_edit_") + suffix);
        dialog.close();

        auto *check = show<FrmChannelCheck>("FrmChannelCheck");
        check->parentWidget()->resize(qMin(760, screen.width() - 20), qMin(420, screen.height() - 40));
        QCoreApplication::processEvents();
        windowpictures::checkNothingCut(check);
        windowpictures::save(check, QStringLiteral("channel_check_") + suffix);
        // A reason wider than its column wraps onto more lines instead of being cut.
        auto *findings = check->findChild<QTreeWidget *>(QStringLiteral("FindingList"));
        for (int i = 0; i < findings->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = findings->topLevelItem(i);
            if (findings->fontMetrics().horizontalAdvance(item->text(1)) > findings->columnWidth(1))
                QVERIFY(findings->visualItemRect(item).height() >= 2 * findings->fontMetrics().height());
        }
    }
};

QTEST_MAIN(TestChannelTable)
#include "tst_ChannelTable.moc"
