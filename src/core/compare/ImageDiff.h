#pragma once
#include <QList>
#include <QStringList>
#include <QString>

struct RadioImage;

// One difference between two images, in the user's words:
//     "Channel 12 (EU 12): TX power Low → High"
//     "Channel 41 (CE 1): only in B.dat (26.56500)"
struct Difference {
    QString key;      // stable name, e.g. "channel/12/power", "option/4", "tip/2/step/3/length"
    QString place;    // "Channel 12 (EU 12)", "Tone tip 2", ...
    QString setting;  // "TX power"; may be empty
    QString before;   // display text in the first image (or what was sent)
    QString after;    // display text in the second image (or what the radio stored)
    QString text() const;   // the line shown to the user
};

// Every difference in what the radio stores (channels present in only one image, each
// channel's settings, the optional features, group settings, common channel, keys,
// DTMF settings and codes, tone tips) and in model and band. Channels are matched by
// number, not by list position. `nameA` and `nameB` name the images in "only in ..."
// lines. Empty when the images hold the same.
QList<Difference> CompareImages(const RadioImage &a, const RadioImage &b, const QString &nameA,
                                const QString &nameB);

// The lines of a list of differences.
QStringList DifferenceLines(const QList<Difference> &list);

// A message of a heading, then the first `shown` lines and "(n more)" for the rest.
QString ListMessage(const QString &head, const QStringList &lines, int shown);

// Reads a data file to compare it, without any message: false with the reason when it
// cannot be read or is no sound image.
bool ReadComparable(const QString &path, RadioImage &img, QString *reason);
