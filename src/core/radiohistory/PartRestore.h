#pragma once
#include "ImageDiff.h"

#include <QList>
#include <QString>
#include <QStringList>

struct RadioImage;

// Taking parts of an earlier image (an entry of the radio history) back into the
// document: one channel, a channel group's settings, the optional features, the common
// channel, the keys, the DTMF settings, one DTMF code, one tone tip.
namespace PartRestore {

struct Part {
    QString id;                 // "channel/12", "group/3", "options", "common", "keys", "dtmf", "dtmfcode/4", "tip/2"
    QString place;              // as the differences name it: "Channel 12 (EU 12)"
    QList<Difference> changes;  // what taking it back changes in the document
};

// The parts in which `entry` differs from `document`, in the order of the differences.
// Nothing when the two are of different bands (their channels mean other things).
QList<Part> PartsThatDiffer(const RadioImage &document, const RadioImage &entry);

// Copies the parts `ids` of `entry` into `document`: a channel the entry has replaces or
// joins the document's, a channel it lacks leaves the document. Unknown ids are ignored.
void TakeParts(RadioImage &document, const RadioImage &entry, const QStringList &ids);

} // namespace PartRestore
