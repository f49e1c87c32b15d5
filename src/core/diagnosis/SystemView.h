#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Everything the connection doctor learns about the machine comes through this one small
// interface: files of the sysfs-like device tree and /dev, the owner, group and mode of a
// device, who the user is, and which processes run with which files open. The live
// implementation reads the system; tests give a fake tree under a folder of their own
// and fake owners, users and process tables.

struct FileAccess {
    bool exists = false;
    unsigned uid = 0;
    unsigned gid = 0;
    QString owner;               // user name, or the number when it has none
    QString group;               // group name, or the number
    unsigned mode = 0;           // permission bits (07777)
    bool isCharDevice = false;
    bool userCanReadWrite = false;   // this user may open it for reading and writing

    bool groupCanReadWrite() const { return (mode & 060) == 060; }
    QString modeText() const;        // "crw-rw----"
};

struct UserIdentity {
    QString name;
    unsigned uid = 0;
    QStringList sessionGroups;   // groups this login has now
    QStringList memberGroups;    // groups the user belongs to in the system's group list
                                 // (a group added since the login is here, not above)
};

struct ProcessEntry {
    int pid = 0;
    QString name;                // the command name, e.g. "ModemManager"
    QStringList openFiles;       // canonical paths of the files it has open, where readable
};

class SystemView {
public:
    virtual ~SystemView() = default;
    // The contents of a small text file, trimmed; empty when it cannot be read.
    virtual QString readText(const QString &path) const = 0;
    // Names in a folder, sorted; links included.
    virtual QStringList entries(const QString &folder) const = 0;
    // The path with every link followed; empty when it does not exist.
    virtual QString resolve(const QString &path) const = 0;
    virtual FileAccess access(const QString &path) const = 0;
    virtual UserIdentity user() const = 0;
    virtual QList<ProcessEntry> processes() const = 0;
};

// The files of the machine, optionally below a root folder (paths given and returned
// are those of the machine: "/sys/class/tty" reads "<root>/sys/class/tty").
class HostSystem : public SystemView {
public:
    explicit HostSystem(const QString &root = QString()) : root_(root) {}
    QString readText(const QString &path) const override;
    QStringList entries(const QString &folder) const override;
    QString resolve(const QString &path) const override;
    FileAccess access(const QString &path) const override;
    UserIdentity user() const override;
    QList<ProcessEntry> processes() const override;

protected:
    QString onDisk(const QString &path) const { return root_ + path; }
    QString root_;
};

// The live system, for the programs.
const SystemView &LiveSystem();
// The view the programs' windows and commands use: the live system unless a test put
// another in place (nullptr puts the live system back).
const SystemView &CurrentSystem();
void UseSystemView(const SystemView *view);
