#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Data files: the 1071-byte header followed by all 409 channel slots (25611 bytes).
enum class FileResult {
    Ok,
    FileError,        // 9002: missing, unreadable, too short, corrupt count or field
    WrongModel,       // 9012
    BadVersion,       // 9065
    VersionDeclined,  // the version question was answered No
    VersionSwitched,  // another release was started; the program ends
    BandError,        // "Country Mode Error!"
};

// Whether the bytes begin with this program's model record: Ok, or WrongModel (9012),
// FileError (9070, no data file at all) or BadVersion (9065) with that message.
FileResult CheckFileIdentity(const QByteArray &data, QString *message = nullptr);
// Reads a document into the saved copy and the working image after the model and
// version checks; shows the matching message and leaves the image unchanged on failure.
FileResult OpenDataFile(const QString &path);
// Writes the image (through the saved copy) atomically; shows 9002 on failure. The
// target rules are those of SaveTarget; `others` are the files the command reads or
// writes besides, which the save must not replace.
FileResult SaveDataFile(const QString &path, const QStringList &others = {});
// Default image of the Init directory: the factory (".dat") or ordinary ("_NEW.dat")
// variant; silent, leaves the built-in defaults when the file is missing or bad.
void LoadDefaultImage(bool factory);
QString DefaultImagePath(bool factory);

// The quiet readers: a whole file, or the header only; no messages.
bool ReadFullFile(const QString &path, struct RadioImage &into);
bool ReadHeaderOnly(const QString &path, struct ImageHeader &into);
// Structural check of a loaded image: count 0..409, band 0..2. Empty when sound,
// otherwise the reason.
QString ImageProblem(const struct RadioImage &img);
// Writes any image as a data file (used by save, the CLI and the generators).
bool WriteImageFile(const QString &path, const struct RadioImage &img, QString *error = nullptr,
                    const QStringList &others = {});
