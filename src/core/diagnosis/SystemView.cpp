#include "SystemView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString groupNameOf(gid_t gid)
{
    if (const group *g = ::getgrgid(gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(gid);
}

QString userNameOf(uid_t uid)
{
    if (const passwd *p = ::getpwuid(uid))
        return QString::fromLocal8Bit(p->pw_name);
    return QString::number(uid);
}
} // namespace

QString FileAccess::modeText() const
{
    QString t = isCharDevice ? QStringLiteral("c") : QStringLiteral("-");
    const char *letters = "rwxrwxrwx";
    for (int bit = 8; bit >= 0; --bit)
        t += (mode & (1u << bit)) ? QLatin1Char(letters[8 - bit]) : QLatin1Char('-');
    return t;
}

QString HostSystem::readText(const QString &path) const
{
    QFile f(onDisk(path));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.read(4096)).trimmed();
}

QStringList HostSystem::entries(const QString &folder) const
{
    return QDir(onDisk(folder)).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QString HostSystem::resolve(const QString &path) const
{
    const QString canonical = QFileInfo(onDisk(path)).canonicalFilePath();
    if (canonical.isEmpty() || root_.isEmpty())
        return canonical;
    const QString root = QFileInfo(root_).canonicalFilePath();
    return canonical.startsWith(root) ? canonical.mid(root.size()) : canonical;
}

FileAccess HostSystem::access(const QString &path) const
{
    FileAccess a;
    struct stat st {};
    const QByteArray name = QFile::encodeName(onDisk(path));
    if (::stat(name.constData(), &st) != 0)
        return a;
    a.exists = true;
    a.uid = st.st_uid;
    a.gid = st.st_gid;
    a.owner = userNameOf(st.st_uid);
    a.group = groupNameOf(st.st_gid);
    a.mode = st.st_mode & 07777;
    a.isCharDevice = S_ISCHR(st.st_mode);
    a.userCanReadWrite = ::access(name.constData(), R_OK | W_OK) == 0;
    return a;
}

UserIdentity HostSystem::user() const
{
    UserIdentity u;
    u.uid = ::getuid();
    u.name = userNameOf(u.uid);
    const int n = ::getgroups(0, nullptr);
    QList<gid_t> gids(qMax(n, 0));
    if (n > 0 && ::getgroups(n, gids.data()) == n) {
        for (gid_t g : gids)
            u.sessionGroups << groupNameOf(g);
    }
    const QString primary = groupNameOf(::getgid());
    if (!u.sessionGroups.contains(primary))
        u.sessionGroups.prepend(primary);

    int count = 64;
    QList<gid_t> member(count);
    const QByteArray userName = u.name.toLocal8Bit();
    if (const passwd *p = ::getpwuid(u.uid)) {
        if (::getgrouplist(userName.constData(), p->pw_gid, member.data(), &count) < 0) {
            member.resize(count);
            ::getgrouplist(userName.constData(), p->pw_gid, member.data(), &count);
        }
        member.resize(count);
        for (gid_t g : member)
            u.memberGroups << groupNameOf(g);
    }
    return u;
}

QList<ProcessEntry> HostSystem::processes() const
{
    QList<ProcessEntry> list;
    for (const QString &entry : entries(QStringLiteral("/proc"))) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (!numeric)
            continue;
        const QString base = QStringLiteral("/proc/") + entry;
        ProcessEntry p;
        p.pid = pid;
        p.name = readText(base + QStringLiteral("/comm"));
        // The open files of another user's process are not readable; they stay unknown.
        for (const QString &fd : entries(base + QStringLiteral("/fd"))) {
            const QString target = QFileInfo(onDisk(base + QStringLiteral("/fd/") + fd)).symLinkTarget();
            if (target.startsWith(QLatin1String("/dev/")))
                p.openFiles << target;
        }
        list << p;
    }
    return list;
}

const SystemView &LiveSystem()
{
    static const HostSystem live;
    return live;
}

namespace {
const SystemView *&systemOverride()
{
    static const SystemView *view = nullptr;
    return view;
}
}

const SystemView &CurrentSystem()
{
    return systemOverride() ? *systemOverride() : LiveSystem();
}

void UseSystemView(const SystemView *view)
{
    systemOverride() = view;
}
