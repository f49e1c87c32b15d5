#include "UiChannelEdits.h"

#include "ChangeDescriptions.h"
#include "ChannelGroup.h"
#include "DocumentHistory.h"
#include "EnteredValueNotes.h"
#include "FreqCodec.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiStatusNote.h"

CellChange UserSetChannelCell(int group, int position, int column, const QString &value, const QString &typed)
{
    RecordDocumentChange(ChannelChangeText(group, position, column));
    const CellChange change = SetChannelCell(group, position, column, value);
    const int band = Run().BandMode;
    const int number = GroupStart(group, band) + position;
    const QString asTyped = typed.isEmpty() ? value : typed;
    if (change == CellChange::KeptChannel) {
        ShowStatusNote(DeleteRefusalNote(group, number));
        return change;
    }
    const ChannelRecord *channel = Image().channel(number);
    if (!channel)
        return change;
    if (column == ColFreq)
        ShowStatusNote(FrequencyNote(asTyped, DigitsToFreqText(channel->freqText()), group, band));
    else if (column == ColOffset)
        ShowStatusNote(OffsetNote(asTyped, channel->OffSetFre));
    return change;
}
