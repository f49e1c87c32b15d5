#include "ImageCompare.h"

#include "ModFun.h"
#include "Models.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
bool sameChannel(const ChannelRecord &w, const ChannelRecord &s)
{
    if (TrimAtNul(w.freqText()) != TrimAtNul(s.freqText()))
        return false;
    if (w.number != s.number || w.emptyFlag != s.emptyFlag || w.Scan != s.Scan)
        return false;
    for (int col = ColPublic; col <= ColTdct; ++col) {
        if (*w.fieldByColumn(col) != *s.fieldByColumn(col))
            return false;
    }
    return true;
}

bool sameChannels(const RadioImage &working, const RadioImage &saved)
{
    if (working.header.channelCount != saved.header.channelCount)
        return false;
    for (int s = 0; s < saved.count(); ++s) {
        const ChannelRecord &sc = saved.at(s);
        const ChannelRecord *wc = &working.at(s);
        if (wc->number != sc.number)
            wc = working.channel(sc.number);
        if (!wc || !sameChannel(*wc, sc))
            return false;
    }
    return true;
}

bool sameOptions(const OptionBlock &a, const OptionBlock &b)
{
    if (a.currentGroup != b.currentGroup || a.UseMEM != b.UseMEM || a.RadioGroup != b.RadioGroup
        || a.currentMemSlot != b.currentMemSlot)
        return false;
    for (int n = 3; n <= 19; ++n) {
        if (*a.option(n) != *b.option(n))
            return false;
    }
    return a.groupEnabled == b.groupEnabled && a.groupCurrent == b.groupCurrent
        && a.groupValueA == b.groupValueA && a.groupValueB == b.groupValueB
        && a.groupModA == b.groupModA && a.groupModB == b.groupModB;
}

// The common channel compares its option fields except Public, Scan, RDCT and TSQ.
bool sameCommon(const ChannelRecord &a, const ChannelRecord &b)
{
    for (int col : {ColOffset, ColTdct, ColDup, ColHiCut, ColBusy, ColNb, ColAddSub5K, ColAmFm,
                    ColTxPower, ColRbTone, ColDtmfBot, ColDtmfEot, ColDtmfCall}) {
        if (*a.fieldByColumn(col) != *b.fieldByColumn(col))
            return false;
    }
    return true;
}

bool sameDtmf(const DtmfBlock &a, const DtmfBlock &b)
{
    for (int i = 0; i < 6; ++i) {
        if (*a.setting(i) != *b.setting(i))
            return false;
    }
    for (int k = 0; k < kDtmfCodes; ++k) {
        if (TrimAtNul(a.codes[k].digitsText()) != TrimAtNul(b.codes[k].digitsText())
            || a.codes[k].length != b.codes[k].length)
            return false;
    }
    return true;
}
}

bool IsModified(const RadioImage &working, const RadioImage &saved)
{
    const ImageHeader &w = working.header;
    const ImageHeader &s = saved.header;
    if (w.model.name != s.model.name || w.model.bandMode != s.model.bandMode)
        return true;
    if (!sameChannels(working, saved))
        return true;
    if (!(w.keys == s.keys))
        return true;
    if (!sameOptions(w.options, s.options))
        return true;
    if (!sameCommon(w.common, s.common))
        return true;
    if (!sameDtmf(w.dtmf, s.dtmf))
        return true;
    return !(w.tips == s.tips);
}

bool IsModified()
{
    return IsModified(Image(), Saved());
}

void SaveToSavedCopy()
{
    RadioImage &img = Image();
    img.header.model.setName(Run().modelName);
    img.header.model.bandMode = int16_t(Run().BandMode);
    img.header.model.setVersion(QStringLiteral("V100"));
    Saved().header = img.header;
    for (int s = 0; s < img.count(); ++s)
        Saved().records[s] = img.records[s];
}

bool LoadFromSavedCopy()
{
    const RadioImage &saved = Saved();
    if (!IsValidBand(saved.header.model.bandMode))
        return false;
    RadioImage &img = Image();
    img.header = saved.header;
    Run().modelName = TrimAtNul(saved.header.model.nameText());
    SetCurrentBand(saved.header.model.bandMode);
    for (int s = 0; s < img.count(); ++s)
        img.records[s] = saved.records[s];
    return true;
}
