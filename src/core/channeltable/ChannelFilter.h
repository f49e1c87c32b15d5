#pragma once
#include <QString>
#include <QStringList>

struct ChannelRecord;

// The filter of the channel table: which rows stay shown. Text matches a frequency by
// its beginning ("29.6"), a tone in any of its forms ("88.5", "D023"), the channel's
// name ("A-5") or any setting word of the row ("AM", "High", "On"), without regard to
// case; "28.0-28.3" is a frequency range in MHz (ends included). "Used only" hides
// the positions that hold no channel.
class ChannelFilter {
public:
    ChannelFilter() = default;
    ChannelFilter(const QString &text, bool usedOnly);

    bool isEmpty() const { return text_.isEmpty() && !usedOnly_; }
    // channel is null for an empty position; shownTexts are the row's cells as the
    // table shows them (in the user's language), matched as setting words too.
    bool matches(int number, const ChannelRecord *channel, int band, const QStringList &shownTexts = {}) const;

private:
    QString text_;
    bool usedOnly_ = false;
    bool isRange_ = false;
    qint64 rangeLow_ = 0, rangeHigh_ = 0;   // units of 10 Hz
    int tone_ = -1;                         // tone index the text names, -1 for none
};
