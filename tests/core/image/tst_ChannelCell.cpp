// SetChannelCell and the group bookkeeping, without any window.
#include "ChannelCell.h"
#include "ChannelGroup.h"
#include "ChannelViews.h"
#include "EditState.h"
#include "FreqCodec.h"
#include "GroupSettings.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"

#include <QtTest>

class TestChannelCell : public QObject {
    Q_OBJECT

    // Default image of a band: channel 1, VFO 401 and MEM 402..409; saved copy equal.
    static void freshImage(int band)
    {
        ResetRunSettings();
        SetCurrentBand(band);
        Edit() = EditState{};
        ChannelViews() = ChannelViewHooks{};
        BuildBuiltInDefaults();
        SaveToSavedCopy();
    }
    static QString digitsOf(int number)
    {
        const ChannelRecord *c = Image().channel(number);
        return c ? c->freqText() : QStringLiteral("<none>");
    }

private slots:
    void frequencyCreatesChannelAndIsChecked()
    {
        freshImage(1);   // HF 25.615 - 30.105
        ScriptedPrompts prompts;
        QCOMPARE(SetChannelCell(0, 5, ColFreq, QStringLiteral("28.01234")), CellChange::Added);
        QCOMPARE(digitsOf(5), QStringLiteral("02801000"));   // rounded down to the 5 kHz raster
        QVERIFY(IsModified());
        const ChannelRecord *c = Image().channel(5);
        QCOMPARE(c->Public, int16_t(1));                     // new-record defaults
        QCOMPARE(c->OffSetFre, int16_t(100));
        QVERIFY(prompts.messages.isEmpty());

        // Outside the band: warned and set to the nearest limit.
        QCOMPARE(SetChannelCell(0, 6, ColFreq, QStringLiteral("31")), CellChange::Added);
        QCOMPARE(digitsOf(6), QStringLiteral("03010500"));
        QCOMPARE(SetChannelCell(0, 6, ColFreq, QStringLiteral("20")), CellChange::Set);
        QCOMPARE(digitsOf(6), QStringLiteral("02561500"));
        QCOMPARE(prompts.messages, QStringList({LangText(9021), LangText(9021)}));
        QCOMPARE(prompts.icons.value(0), MsgIcon::Warning);

        // The same frequency again changes nothing.
        QCOMPARE(SetChannelCell(0, 6, ColFreq, QStringLiteral("25.615")), CellChange::Ignored);
        // An empty value for a missing channel and an option for a missing channel do nothing.
        const int count = Image().count();
        QCOMPARE(SetChannelCell(0, 7, ColFreq, QString()), CellChange::Ignored);
        QCOMPARE(SetChannelCell(0, 7, ColPublic, QStringLiteral("0")), CellChange::Ignored);
        QCOMPARE(Image().count(), count);
    }

    void addressesOutsideTheGroupAreRefused()
    {
        freshImage(2);
        ScriptedPrompts prompts;
        const int count = Image().count();
        // Position 0 and 41 of bank A would be channels of other groups; 9 is beyond MEM.
        QCOMPARE(SetChannelCell(0, 0, ColFreq, QStringLiteral("28.1")), CellChange::Ignored);
        QCOMPARE(SetChannelCell(0, 41, ColFreq, QStringLiteral("28.1")), CellChange::Ignored);
        QCOMPARE(SetChannelCell(kBankMemGroup, 9, ColFreq, QStringLiteral("28.1")), CellChange::Ignored);
        QCOMPARE(SetChannelCell(0, 1, 19, QStringLiteral("1")), CellChange::Ignored);
        QCOMPARE(Image().count(), count);
        QVERIFY(!IsModified());
    }

    void deleteRules()
    {
        freshImage(1);
        ScriptedPrompts prompts;
        // Channel 1 is the only memory channel: it stays.
        QCOMPARE(SetChannelCell(0, 1, ColFreq, QString()), CellChange::KeptChannel);
        QVERIFY(Image().channel(1));
        // A second channel in the same bank does not help: one must lie outside the group.
        SetChannelCell(0, 2, ColFreq, QStringLiteral("28.1"));
        QCOMPARE(SetChannelCell(0, 1, ColFreq, QString()), CellChange::KeptChannel);
        // With a channel in bank B, bank A's channels go.
        QCOMPARE(SetChannelCell(1, 1, ColFreq, QStringLiteral("28.2")), CellChange::Added);
        QCOMPARE(SetChannelCell(0, 1, ColFreq, QString()), CellChange::Deleted);
        QCOMPARE(SetChannelCell(0, 2, ColFreq, QString()), CellChange::Deleted);
        QVERIFY(!Image().channel(1) && !Image().channel(2));
        // Now channel 41 is the last one outside MEM and VFO.
        QCOMPARE(SetChannelCell(1, 1, ColFreq, QString()), CellChange::KeptChannel);

        // The VFO channel is never deleted.
        QCOMPARE(SetChannelCell(kBankVfoGroup, 1, ColFreq, QString()), CellChange::KeptChannel);
        QVERIFY(Image().channel(kVfoChannel));

        // MEM channels go while another MEM channel remains.
        for (int p = 1; p <= 7; ++p)
            QCOMPARE(SetChannelCell(kBankMemGroup, p, ColFreq, QString()), CellChange::Deleted);
        QCOMPARE(SetChannelCell(kBankMemGroup, 8, ColFreq, QString()), CellChange::KeptChannel);
        QCOMPARE(ChannelsInGroup(Image(), kBankMemGroup, 1), 1);
    }

    void emptiedGroupLosesItsSettingsAndAnotherBecomesValid()
    {
        freshImage(1);
        OptionBlock &o = Image().header.options;
        o.groupCurrent[0] = 3;
        o.groupValueA[0] = 2;
        o.groupModA[0] = 1;
        SetChannelCell(1, 3, ColFreq, QStringLiteral("28.3"));   // channel 43 in bank B
        QCOMPARE(o.groupEnabled[1], int16_t(0));
        QCOMPARE(SetChannelCell(0, 1, ColFreq, QString()), CellChange::Deleted);
        QCOMPARE(o.groupEnabled[0], int16_t(0));
        QCOMPARE(o.groupCurrent[0], int16_t(0));
        QCOMPARE(o.groupValueA[0], int16_t(0));
        QCOMPARE(o.groupEnabled[1], int16_t(1));   // ensured valid group: bank B
    }

    void currentChannelAndMemSlotAreRevalidated()
    {
        freshImage(1);
        OptionBlock &o = Image().header.options;
        // Stored values are position - 1: MEM slot 7 is the eighth MEM channel (409).
        o.currentMemSlot = 7;
        QCOMPARE(ShownCurrentPosition(Image(), kBankMemGroup, 1), 8);
        SetChannelCell(kBankMemGroup, 8, ColFreq, QString());
        QCOMPARE(o.currentMemSlot, int16_t(6));      // moved to the last remaining (408)
        SetChannelCell(kBankMemGroup, 3, ColFreq, QString());
        QCOMPARE(o.currentMemSlot, int16_t(6));      // still exists: kept

        // Bank A: current channel 5 (stored 4) kept while channel 5 exists.
        SetChannelCell(0, 10, ColFreq, QStringLiteral("28.1"));
        SetChannelCell(0, 5, ColFreq, QStringLiteral("28.2"));
        StoreCurrentChannel(Image(), 0, 1, 5);
        QCOMPARE(o.groupCurrent[0], int16_t(4));
        SetChannelCell(1, 1, ColFreq, QStringLiteral("28.3"));   // outside bank A
        SetChannelCell(0, 1, ColFreq, QString());
        QCOMPARE(o.groupCurrent[0], int16_t(4));
        o.groupValueA[0] = 4;                        // Setting A "5", Setting B "3":
        o.groupValueB[0] = 2;                        // numbered settings, no channel positions
        SetChannelCell(0, 5, ColFreq, QString());
        // The last channel of bank A in list order is channel 10.
        QCOMPARE(o.groupCurrent[0], int16_t(9));
        QCOMPARE(o.groupValueA[0], int16_t(4));
        QCOMPARE(o.groupValueB[0], int16_t(2));
        QCOMPARE(ShownCurrentPosition(Image(), 0, 1), 10);

        // A stored value naming a missing position is shown as re-validation would move it.
        o.groupCurrent[0] = 20;
        QCOMPARE(ShownCurrentPosition(Image(), 0, 1), 10);
        QCOMPARE(o.groupCurrent[0], int16_t(20));    // showing does not store
        QCOMPARE(ShownCurrentPosition(Image(), 2, 1), 0);   // empty bank C
    }

    void groupValidRules()
    {
        freshImage(1);
        OptionBlock &o = Image().header.options;
        QCOMPARE(SetGroupValid(Image(), 0, 1, false), 1);   // the only valid group stays valid
        QCOMPARE(SetGroupValid(Image(), 3, 1, true), 0);    // empty bank D cannot be enabled
        QCOMPARE(o.groupEnabled[3], int16_t(0));
        SetChannelCell(3, 1, ColFreq, QStringLiteral("28.4"));
        QCOMPARE(SetGroupValid(Image(), 3, 1, true), 1);
        QCOMPARE(SetGroupValid(Image(), 0, 1, false), 0);   // D is valid now
        QCOMPARE(SetGroupValid(Image(), kBankVfoGroup, 1, true), 0);
    }

    void optionFieldsAreClampedAndOnlyChangesStore()
    {
        freshImage(2);
        QCOMPARE(SetChannelCell(0, 1, ColOffset, QStringLiteral("17")), CellChange::Set);
        QCOMPARE(Image().channel(1)->OffSetFre, int16_t(15));
        QCOMPARE(SetChannelCell(0, 1, ColOffset, QStringLiteral("15")), CellChange::Ignored);
        QCOMPARE(SetChannelCell(0, 1, ColTxPower, QStringLiteral("2")), CellChange::Set);
        QCOMPARE(SetChannelCell(0, 1, ColAmFm, QStringLiteral("1")), CellChange::Set);
        QCOMPARE(Image().channel(1)->Tx_Power, int16_t(1));  // AM has two power levels
        // Texts of the reference lists: a number is stored, the "none" entry stores 0.
        QCOMPARE(SetChannelCell(0, 1, ColDtmfBot, QStringLiteral("5")), CellChange::Set);
        QCOMPARE(Image().channel(1)->DTMF_BOT, int16_t(5));
        QCOMPARE(SetChannelCell(0, 1, ColDtmfBot, QStringLiteral("None")), CellChange::Set);
        QCOMPARE(Image().channel(1)->DTMF_BOT, int16_t(0));
        QCOMPARE(SetChannelCell(0, 1, ColRbTone, QStringLiteral("12")), CellChange::Set);
        QCOMPARE(Image().channel(1)->RBTone, int16_t(8));
        QCOMPARE(SetChannelCell(0, 1, ColRdct, QStringLiteral("40")), CellChange::Set);
        QCOMPARE(Image().channel(1)->RDCT, int16_t(40));
        QVERIFY(IsModified());
    }

    void cbMemChannelTakesNearestCountryChannel()
    {
        freshImage(0);
        ScriptedPrompts prompts;
        Image().addChannel(2, QStringLiteral("26.975"));
        Image().addChannel(122, QStringLiteral("27.60"));      // UK channel, shown 27.60125
        QCOMPARE(SetChannelCell(kCbMemGroup, 1, ColFreq, QStringLiteral("26.976")), CellChange::Set);
        QCOMPARE(digitsOf(402), QStringLiteral("02697500"));
        QCOMPARE(SetChannelCell(kCbMemGroup, 2, ColFreq, QStringLiteral("27.6")), CellChange::Set);
        QCOMPARE(digitsOf(403), QStringLiteral("02760000"));
        QVERIFY(prompts.messages.isEmpty());                   // no band check in CB MEM
    }

    void viewsAreRefreshedOnlyWhileOpen()
    {
        freshImage(1);
        ScriptedPrompts prompts;
        QList<int> rows;
        int groupShows = 0, dialogShows = 0;
        ChannelViews().showGridRow = [&](int n) { rows << n; };
        ChannelViews().reshowGroupSettings = [&] { ++groupShows; };
        ChannelViews().refreshEditDialog = [&] { ++dialogShows; };

        SetChannelCell(0, 3, ColFreq, QStringLiteral("28.1"));
        QVERIFY(rows.isEmpty() && groupShows == 0 && dialogShows == 0);

        Edit().ChGridOpen = true;
        SetChannelCell(0, 4, ColFreq, QStringLiteral("28.1"));
        QCOMPARE(rows, QList<int>{4});
        QCOMPARE(groupShows, 1);
        QCOMPARE(dialogShows, 0);

        Edit().ChEditOpen = true;
        SetChannelCell(0, 4, ColScan, QStringLiteral("0"));     // not a bookkeeping change
        QCOMPARE(groupShows, 1);
        QCOMPARE(dialogShows, 1);
        // A refused delete still re-shows the row, so the editor shows the frequency again.
        SetChannelCell(kBankVfoGroup, 1, ColFreq, QString());
        QCOMPARE(rows.last(), kVfoChannel);
        Edit() = EditState{};
    }
};

QTEST_GUILESS_MAIN(TestChannelCell)
#include "tst_ChannelCell.moc"
