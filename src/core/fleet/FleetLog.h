#pragma once
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The log of a fleet session: one CSV row per radio, appended as soon as the radio's
// result is known, so a session that ends early (a crash, a pulled plug) keeps every
// row written so far. Spreadsheets and the program's own CSV reader read it.
//
//   time,serial,firmware,model,band,result,details,values_set,image_sha256
//
// `result` is one of the words of FleetResult; `details` says why (the first
// differences, the reason of a refusal, what a cancelled or partial radio holds);
// `values_set` names the per-radio values stored on top of the image; `image_sha256`
// identifies the 7424 bytes meant for the radio.
enum class FleetResult { Verified, VerifyFailed, Refused, Cancelled, Partial };
constexpr int kFleetResultCount = 5;

QString FleetResultWord(FleetResult result);                 // "verified", "verify failed", ...
bool FleetResultOfWord(const QString &word, FleetResult *out);

struct FleetLogRow {
    QDateTime time;
    QString serial;
    QString firmware;
    QString model;
    QString band;          // "CB", "HF", "HAM"
    FleetResult result = FleetResult::Refused;
    QString details;
    QString valuesSet;
    QString imageHash;
};

QStringList FleetLogHeader();
QStringList FleetLogFields(const FleetLogRow &row);

class FleetLog {
public:
    // Opens the log for appending: an existing log is read (its verified serial numbers
    // are remembered) and kept; a missing or empty file gets the header. Refused, with
    // the reason, for a target that is no regular file, a file that is not a fleet log
    // (its first line is not the header), or one that cannot be read or written.
    bool open(const QString &path, QString *problem);
    const QString &path() const { return path_; }

    // Appends one row and flushes it to the disk; false with the reason on a failure.
    bool append(const FleetLogRow &row, QString *problem);

    // Whether the log holds the serial number as verified (rows of earlier sessions and
    // this one), and when.
    bool isVerified(const QString &serial, QDateTime *when = nullptr) const;
    int rowsRead() const { return rowsRead_; }

private:
    QString path_;
    QHash<QString, QDateTime> verified_;
    int rowsRead_ = 0;
};
