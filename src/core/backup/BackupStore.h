#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

struct RadioImage;

// The files of the backup folder: copies of radio images kept before they are lost (the
// image a read brought, the image a write sent). Each copy is a data file whose name
// says in which order it was made, when, and what it holds:
//
//     000042-20261208-093015-read-cb.dat
//     000043-20261208-093502-write-ham-TV2-0001234.dat      (serial number, when known)
//
// The leading number counts up in the folder, so the order in which copies were made
// never depends on the clock (a clock set back must not make a new copy look old).
// Names of earlier releases, without that number ("20261208-093015-read-cb.dat"), still
// count as ours and as older than every numbered one. Only files with such a name and
// the size of a data file count; anything else in the folder is never touched.
namespace BackupStore {

constexpr int kBackupsKept = 500;

enum class Kind { Read, Write, Restore };

// $XDG_DATA_HOME/tarven/backups, or ~/.local/share/tarven/backups when it is unset.
QString DefaultFolder();

// The file name of copy number `sequence` taken at `when` (local time). `serial` is left
// out when empty; characters that do not belong in a file name become "_".
QString FileName(qint64 sequence, const QDateTime &when, Kind kind, int band, const QString &serial = QString());

// What a name of ours says; `ok` false for any other name.
struct NameParts {
    bool ok = false;
    qint64 sequence = 0;     // 0 for the names of earlier releases
    QDateTime when;          // local time, to the second
    Kind kind = Kind::Read;
    int band = 0;
    QString serial;          // as written in the name
};
NameParts ParseName(const QString &fileName);
bool IsBackupName(const QString &fileName);

// Our copies in `folder`, oldest first: numbered ones by their number, earlier releases'
// by the time in their name and their repeat count.
QStringList Backups(const QString &folder);

// The number the next copy in `folder` gets: one more than the highest there.
qint64 NextSequence(const QString &folder);

// Writes `img` as a new file `fileName` in `folder`. Never through an existing name,
// not even a dangling symbolic link: the file is created, or nothing is written.
bool WriteNew(const QString &folder, const QString &fileName, const RadioImage &img, QString *error);

} // namespace BackupStore
