// The channel grid driven through its real widgets, offscreen.
#include "ChannelWindowsFixture.h"
#include "frmCommChInfo.h"

#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "ScriptedPrompts.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using namespace channeltest;

class TestChannelGrid : public QObject {
    Q_OBJECT

    frmCommChInfo *grid_ = nullptr;
    std::unique_ptr<Mdi> mdi_;

    void open(int band)
    {
        freshImage(band);
        mdi_ = std::make_unique<Mdi>();
        grid_ = show<frmCommChInfo>("frmCommChInfo");
        QVERIFY(grid_);
        mdi_->area->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi_->area.get()));
    }
    bool enter(int row, int column)
    {
        grid_->grid()->setCurrentCell(row - 1, column);
        grid_->EnterGridEdit();
        return grid_->editColumn() == column && Edit().CurrentChannel == row && anyEditorVisible();
    }
    bool anyEditorVisible() const
    {
        for (const char *n : {"Text1", "Text2", "Combo1", "Combo2", "Combo3", "Combo4"}) {
            if (auto *w = control(grid_->grid()->viewport(), QString::fromLatin1(n)); w && w->isVisible())
                return true;
        }
        return false;
    }
    QLineEdit *text(const char *name) { return control<QLineEdit>(grid_, QString::fromLatin1(name)); }
    // Types into the frequency editor of a row and presses Enter.
    void typeFrequency(int row, const QString &typed)
    {
        QVERIFY(enter(row, frmCommChInfo::GridFreq));
        text("Text1")->selectAll();
        QTest::keyClick(text("Text1"), Qt::Key_Backspace);
        QTest::keyClicks(text("Text1"), typed);
        QTest::keyClick(text("Text1"), Qt::Key_Return);
    }

private slots:
    void cleanup()
    {
        mdi_.reset();
        grid_ = nullptr;
    }

    void cbFrequenciesAndEmptyRowsCannotBeEdited()
    {
        open(0);
        QCOMPARE(grid_->rowCount(), 41);
        QCOMPARE(grid_->cellText(1, frmCommChInfo::GridFreq), QStringLiteral("27.18500"));
        QVERIFY(!enter(1, frmCommChInfo::GridFreq));      // CB frequencies are not typed
        QVERIFY(!enter(5, frmCommChInfo::GridPublic));    // no channel in row 5
        QVERIFY(!enter(5, frmCommChInfo::GridScan));
        QVERIFY(enter(1, frmCommChInfo::GridScan));       // an existing channel's options are
        QVERIFY(combo(grid_->grid()->viewport(), "Combo4")->isVisible());
        // Column 7 opens the channel edit dialog for the row, empty or not.
        grid_->grid()->setCurrentCell(4, frmCommChInfo::GridEdit);
        grid_->EnterGridEdit();
        QVERIFY(Edit().ChEditOpen);
        QCOMPARE(Edit().CurrentChannel, 5);
        QVERIFY(LoadedWindow(QStringLiteral("FrmCHInfoEdit")));
    }

    void typingCreatesAndClearingDeletesWithinTheRules()
    {
        open(1);
        ScriptedPrompts prompts;
        typeFrequency(5, QStringLiteral("2x8.1"));         // the letter is refused
        QVERIFY(!anyEditorVisible());
        QVERIFY(Image().channel(5));
        QCOMPARE(grid_->cellText(5, frmCommChInfo::GridFreq), QStringLiteral("28.10000"));
        QCOMPARE(grid_->cellText(5, frmCommChInfo::GridPublic), QStringLiteral("On"));
        QVERIFY(IsModified());

        typeFrequency(5, QString());                       // bank A still has channel 1, but
        QVERIFY(Image().channel(5));                       // nothing lies outside bank A
        typeFrequency(1, QString());
        QVERIFY(Image().channel(1));
        QCOMPARE(grid_->cellText(1, frmCommChInfo::GridFreq), FormatFreq(27.86));

        // With a channel in bank B, bank A's channels can go.
        SetChannelCell(1, 1, ColFreq, QStringLiteral("28.2"));
        typeFrequency(5, QString());
        QVERIFY(!Image().channel(5));
        QCOMPARE(grid_->cellText(5, frmCommChInfo::GridFreq), QString());

        // The VFO channel is never deleted.
        Edit().CurrentGroup = kBankVfoGroup;
        grid_->ChangeGroup();
        QCOMPARE(grid_->rowCount(), 2);
        QVERIFY(!enter(1, frmCommChInfo::GridScan));       // VFO has no scan setting
        typeFrequency(1, QString());
        QVERIFY(Image().channel(kVfoChannel));
        QVERIFY(prompts.messages.isEmpty());
    }

    void typedFrequencyIsCheckedAgainstBandAndRaster()
    {
        open(2);   // HAM 28.000 - 29.700
        ScriptedPrompts prompts;
        typeFrequency(3, QStringLiteral("30"));
        QCOMPARE(prompts.messages, QStringList{LangText(9021)});
        QCOMPARE(grid_->cellText(3, frmCommChInfo::GridFreq), QStringLiteral("29.70000"));
        typeFrequency(3, QStringLiteral("28.0123"));
        QCOMPARE(grid_->cellText(3, frmCommChInfo::GridFreq), QStringLiteral("28.01000"));
        QCOMPARE(Image().channel(3)->freqText(), QStringLiteral("02801000"));
        QCOMPARE(prompts.messages.size(), 1);
    }

    void publicOnKeepsDuplexAndOffsetClosed()
    {
        open(1);
        for (int c : {frmCommChInfo::GridDup, frmCommChInfo::GridOffset})
            grid_->grid()->setColumnHidden(c, false);   // hidden by width only
        QVERIFY(!enter(1, frmCommChInfo::GridDup));
        QVERIFY(!enter(1, frmCommChInfo::GridOffset));
        QVERIFY(enter(1, frmCommChInfo::GridPublic));
        choose(combo(grid_->grid()->viewport(), "Combo1"), 0);
        QCOMPARE(Image().channel(1)->Public, int16_t(0));
        QCOMPARE(grid_->cellText(1, frmCommChInfo::GridPublic), QStringLiteral("Off"));
        QVERIFY(!anyEditorVisible());

        QVERIFY(enter(1, frmCommChInfo::GridOffset));
        QTest::keyClicks(text("Text2"), QStringLiteral("17a"));
        QCOMPARE(text("Text2")->text(), QStringLiteral("17"));
        QTest::keyClick(text("Text2"), Qt::Key_Return);
        QCOMPARE(Image().channel(1)->OffSetFre, int16_t(15));
        // An emptied offset is not stored as a clamped value.
        QVERIFY(enter(1, frmCommChInfo::GridOffset));
        text("Text2")->clear();
        QTest::keyClick(text("Text2"), Qt::Key_Return);
        QCOMPARE(Image().channel(1)->OffSetFre, int16_t(15));
        QCOMPARE(grid_->cellText(1, frmCommChInfo::GridOffset), QStringLiteral("15"));
    }

    void leavingTheCellInAnyWayStoresTheText()
    {
        open(1);
        // ValidateControls (before a radio write)
        QVERIFY(enter(2, frmCommChInfo::GridFreq));
        QTest::keyClicks(text("Text1"), QStringLiteral("28.2"));
        grid_->ValidateControls();
        QCOMPARE(Image().channel(2)->freqText(), QStringLiteral("02820000"));
        QVERIFY(!anyEditorVisible());
        // a click on the grid
        QVERIFY(enter(3, frmCommChInfo::GridFreq));
        QTest::keyClicks(text("Text1"), QStringLiteral("28.3"));
        QTest::mouseClick(grid_->grid()->viewport(), Qt::LeftButton, {},
                          grid_->grid()->visualRect(grid_->grid()->model()->index(6, 2)).center());
        QVERIFY(Image().channel(3));
        QCOMPARE(Edit().CurrentChannel, 7);                 // the row clicked becomes current
        // the focus moving to another control
        QVERIFY(enter(4, frmCommChInfo::GridFreq));
        QTest::keyClicks(text("Text1"), QStringLiteral("28.4"));
        combo(grid_, "Combo8(1)")->setFocus();
        QVERIFY(Image().channel(4));
        // closing the window
        QVERIFY(enter(6, frmCommChInfo::GridFreq));
        QTest::keyClicks(text("Text1"), QStringLiteral("28.6"));
        UnloadByName(QStringLiteral("frmCommChInfo"));
        grid_ = nullptr;
        QVERIFY(Image().channel(6));
        QVERIFY(!Edit().ChGridOpen);
    }

    void groupSettings()
    {
        open(1);
        SetChannelCell(0, 10, ColFreq, QStringLiteral("28.1"));
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.2"));
        QComboBox *current = combo(grid_, "Combo8(0)");
        QStringList entries;
        for (int i = 0; i < current->count(); ++i)
            entries << current->itemText(i);
        QCOMPARE(entries, QStringList({"1", "2", "10"}));  // numeric order
        chooseText(current, QStringLiteral("10"));
        QCOMPARE(Image().header.options.groupCurrent[0], int16_t(9));

        chooseText(combo(grid_, "Combo8(2)"), QStringLiteral("4"));
        QCOMPARE(Image().header.options.groupValueB[0], int16_t(3));
        choose(combo(grid_, "Combo10(0)"), 1);
        QCOMPARE(Image().header.options.groupModA[0], uint8_t(1));

        // The only valid group cannot be disabled.
        QComboBox *valid = combo(grid_, "Combo8(3)");
        choose(valid, 0);
        QCOMPARE(valid->currentText(), QStringLiteral("Enabel!"));
        QCOMPARE(Image().header.options.groupEnabled[0], int16_t(1));

        // An empty bank cannot be enabled; MEM shows only the current-channel selector.
        chooseText(combo(grid_, "Combo7"), QStringLiteral("C"));
        QCOMPARE(Edit().CurrentGroup, 2);
        QCOMPARE(Image().header.options.currentGroup, int16_t(2));
        choose(valid, 1);
        QCOMPARE(valid->currentText(), QStringLiteral("Disable"));
        QCOMPARE(combo(grid_, "Combo8(0)")->count(), 0);
        chooseText(combo(grid_, "Combo7"), QStringLiteral("MEM"));
        QVERIFY(combo(grid_, "Combo8(0)")->isVisible());
        QVERIFY(!combo(grid_, "Combo8(1)")->isVisible() && !valid->isVisible());
        QCOMPARE(grid_->rowCount(), 9);
        QVERIFY(grid_->windowTitle().contains(QStringLiteral("MEM")));
    }

    void cbCountrySelectors()
    {
        open(0);
        QComboBox *country = combo(grid_, "Combo9(0)");
        QComboBox *sub = combo(grid_, "Combo9(1)");
        QVERIFY(country->isVisible() && !combo(grid_, "Combo7")->isVisible() && !sub->isVisible());
        QVERIFY(!combo(grid_, "Combo8(3)")->isVisible());   // no group valid selector in CB
        chooseText(country, QStringLiteral("U"));
        QVERIFY(sub->isVisible());
        QCOMPARE(Edit().CurrentGroup, 2);
        chooseText(sub, QStringLiteral("UK"));
        QCOMPARE(Edit().CurrentGroup, kCbGroupUk);
        chooseText(country, QStringLiteral("DE"));
        QVERIFY(!sub->isVisible());
        QCOMPARE(grid_->rowCount(), 81);
        // Showing the group again from the shared selection sets both selectors.
        Edit().CurrentGroup = kCbGroupUk;
        grid_->ChangeGroup();
        QCOMPARE(country->currentText(), QStringLiteral("U"));
        QCOMPARE(sub->currentText(), QStringLiteral("UK"));
        QVERIFY(sub->isVisible());
    }
};

QTEST_MAIN(TestChannelGrid)
#include "tst_frmCommChInfo.moc"
