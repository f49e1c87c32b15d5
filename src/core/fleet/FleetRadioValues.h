#pragma once
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// Values set per radio on top of the fleet's image, from a CSV table keyed by serial
// number:
//
//   serial,channels,Frequency,RxTone
//   TV2-0001234,A-1,27.125,67.0
//
// Column "serial" is required; "channels" names the channels the channel columns go to
// (a list as `tarven-cli edit --channels` takes it: "A-1", "EU 5", "MEM 1", "A-1..A-5");
// every other column is a NAME of `tarven-cli edit --set NAME=VALUE`, its cell the VALUE.
// An empty cell sets nothing. A serial number that is not in the table gets the image
// as it is.
struct FleetRadioValues {
    QString channels;
    QList<QPair<QString, QString>> values;   // column name, cell, in column order
    bool isEmpty() const { return values.isEmpty(); }
    QString described() const;               // "A-1: Frequency=27.125, RxTone=67.0"
};

class FleetValuesTable {
public:
    // False with the reason (and the line) for a table that cannot be used: unreadable,
    // no "serial" column, a serial number twice.
    bool read(const QString &path, QString *problem);
    bool readText(const QByteArray &text, QString *problem);
    int size() const { return int(rows_.size()); }
    FleetRadioValues valuesFor(const QString &serial) const { return rows_.value(serial.trimmed()); }

private:
    QHash<QString, FleetRadioValues> rows_;
};

// Stores the values into the working image (Image()) by the rules of `tarven-cli edit`;
// an empty text when all were stored, else the reason (the caller restores the image).
using FleetValuesApplier = std::function<QString(const FleetRadioValues &values)>;

// The applier used when none is set: the columns as `tarven-cli edit --set` settings,
// stored into the channels of "channels" as that command stores them; any refused
// channel leaves the image as it was.
QString ApplyFleetChannelValues(const FleetRadioValues &values);
