#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The same settings stored into many channels of the working image, each channel by
// the rules of one table row (ApplyChannelRow): the same checks, the same reasons.

struct ChannelRefusal {
    int number = 0;      // the channel
    QString reason;      // why it cannot take the settings
};

struct BulkEditOutcome {
    QList<ChannelRefusal> refusals;   // in the order the channels were given
    int stored = 0;                   // channels that took the settings
    bool applied = false;             // the image holds the settings now

    static constexpr int kListedRefusals = 20;
    // "channel A-5: reason" lines for a message: the first 20, then how many more.
    QString refusalReport(int band) const;
};

enum class RefusedChannels {
    CancelAll,        // any refusal leaves the image as it was
    ApplyToOthers,    // the channels that can take the settings take them
};

// Stores the cells (keyed by the table's header words) into the channels. A refused
// channel is left exactly as it was; with CancelAll any refusal restores the whole
// image, so the caller can report the refusals before anything changes and then ask
// whether to apply to the others. The windows are refreshed once at the end. The
// caller records the undo step before calling.
BulkEditOutcome ApplyChannelSettings(const QHash<QString, QString> &cells, const QList<int> &numbers,
                                     RefusedChannels refused);
