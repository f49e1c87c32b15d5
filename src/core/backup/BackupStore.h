#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

struct RadioImage;

// Copies of radio images kept before they are lost: the image read from a radio before
// it replaces the document, and the image about to be written before it replaces the
// radio's memory. Each copy is a data file named so that the names sort by time and say
// what they hold:
//
//     20261208-093015-read-cb.dat
//     20261208-093502-write-ham-TV2-0001234.dat      (serial number, when known)
//
// Only files with such a name and the size of a data file count as ours; anything else
// in the folder is never touched, and of ours the newest kBackupsKept stay.
namespace BackupStore {

constexpr int kBackupsKept = 500;

enum class Kind { Read, Write };

// $XDG_DATA_HOME/tarven/backups, or ~/.local/share/tarven/backups when it is unset.
QString DefaultFolder();

// The file name of a backup taken at `when` (local time). `serial` is left out when
// empty; characters that do not belong in a file name become "_".
QString FileName(const QDateTime &when, Kind kind, int band, const QString &serial = QString());

// True for a name FileName could have produced (with a "-2", "-3"... before ".dat" for
// a second backup in the same second).
bool IsBackupName(const QString &fileName);

// Our backups in `folder`, oldest first (paths).
QStringList Backups(const QString &folder);

struct SaveResult {
    bool ok = false;
    QString path;      // the file written
    QString error;     // why nothing was written
    int removed = 0;   // old backups removed to keep the limit
};

// Writes `img` as a data file into `folder` (created when missing) under a fresh name,
// then keeps the newest `keep` of our backups there.
SaveResult Save(const QString &folder, const RadioImage &img, Kind kind, const QString &serial = QString(),
           const QDateTime &when = QDateTime::currentDateTime(), int keep = kBackupsKept);

// Removes our oldest backups in `folder` until `keep` remain; returns how many went.
int Prune(const QString &folder, int keep = kBackupsKept);

} // namespace BackupStore
