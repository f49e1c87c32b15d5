#include "ChannelCell.h"

#include "ChannelGroup.h"
#include "ChannelViews.h"
#include "EditState.h"
#include "FreqCodec.h"
#include "GroupSettings.h"
#include "RadioImage.h"
#include "RunSettings.h"

namespace {
// The present value of a field as the text a caller would send for it.
QString presentValue(const ChannelRecord &rec, int column)
{
    if (column == ColFreq)
        return DigitsToFreqText(rec.freqText());
    const int16_t *field = rec.fieldByColumn(column);
    return field ? QString::number(*field) : QString();
}

void afterGroupChange(int group, int band)
{
    if (IsVfoGroup(group, band))
        return;
    UpdateGroupBookkeeping(Image(), group, band);
    if (Edit().ChGridOpen && ChannelViews().reshowGroupSettings)
        ChannelViews().reshowGroupSettings();
}

void refreshViews(int number)
{
    if (Edit().ChGridOpen && ChannelViews().showGridRow)
        ChannelViews().showGridRow(number);
    if (Edit().ChEditOpen && ChannelViews().refreshEditDialog)
        ChannelViews().refreshEditDialog();
}
}

bool MayDeleteChannel(int group, int number)
{
    const RadioImage &img = Image();
    const int band = Run().BandMode;
    if (number == kVfoChannel)
        return false;
    if (number < kFirstMemChannel)
        return ChannelsOutsideGroup(img, group, band) >= 1;
    return ChannelsInGroup(img, MemGroupOf(band), band) > 1;
}

CellChange SetChannelCell(int group, int position, int column, const QString &value)
{
    const int band = Run().BandMode;
    // A position outside the group would address a channel of another group.
    if (position < 1 || position > GroupSize(group, band) || column < ColFreq || column > ColTdct)
        return CellChange::Ignored;

    QString v = value;
    if (column == ColFreq && !v.trimmed().isEmpty())
        v = CheckEnteredFreq(v, group, band);
    else if (column == ColFreq)
        v.clear();

    RadioImage &img = Image();
    const int number = GroupStart(group, band) + position;
    const int slot = img.findChannel(number);
    CellChange change = CellChange::Ignored;

    if (slot < 0) {
        if (column == ColFreq && !v.isEmpty() && img.addChannel(number, v)) {
            change = CellChange::Added;
            afterGroupChange(group, band);
        }
    } else if (column == ColFreq && v.isEmpty()) {
        if (MayDeleteChannel(group, number)) {
            img.removeChannel(slot);
            change = CellChange::Deleted;
            afterGroupChange(group, band);
        } else {
            change = CellChange::KeptChannel;
        }
    } else if (v != presentValue(img.at(slot), column)) {
        const ChannelRecord before = img.at(slot);
        SetChannelValue(img.at(slot), column, v);
        change = img.at(slot) == before ? CellChange::Ignored : CellChange::Set;
        if (column == ColFreq)
            afterGroupChange(group, band);
    }

    refreshViews(number);
    return change;
}
