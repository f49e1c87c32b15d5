#include "ProfileCache.h"

#include "ProfileLines.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

using namespace ProfileLines;

namespace ProfileCache {
namespace {

constexpr int kMaxFiles = 16;   // language files, settings and version table, with room

// What tells a changed file from the one parsed: a rewrite in place changes the size or
// a time stamp, a replacement (a new file renamed over it) the inode.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size
            && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec
            && changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

// One stat() call: look-ups are frequent (every language text), so the check that the
// file is unchanged must cost no more than that.
bool stampOf(const QString &path, FileStamp &stamp)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim;
    stamp.changed = st.st_ctim;
    return true;
}

struct ParsedFile {
    FileStamp stamp;
    // Case-folded section name -> case-folded key name -> value.
    QHash<QString, QHash<QString, QString>> sections;
};

struct Cache {
    QHash<QString, ParsedFile> files;
    int parses = 0;
};

Cache &cache()
{
    static Cache c;
    return c;
}

QString folded(const QString &name)
{
    QString text = name.trimmed();
    // Names are nearly always ASCII, where folding is lowering; the general folding is
    // many times slower and runs for every look-up.
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return text.toCaseFolded();
        if (u >= 'A' && u <= 'Z')
            c = QChar(char16_t(u + ('a' - 'A')));
    }
    return text;
}

bool parse(const QString &path, ParsedFile &out)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    ++cache().parses;
    LineReader reader(in);
    QByteArray head;
    bool complete = false;
    bool firstLine = true;
    QHash<QString, QString> *current = nullptr;
    while (reader.nextHead(head, kMaxHeadBytes, complete)) {
        const IniLine line = Classify(LineText(head, firstLine));
        firstLine = false;
        if (!complete) {
            bool newline = false;
            reader.finishLine(nullptr, newline);
        }
        if (line.kind == LineKind::Section) {
            // A later section of a name already seen is never read.
            const QString name = folded(line.name);
            current = out.sections.contains(name) ? nullptr : &out.sections[name];
        } else if (current && line.kind == LineKind::Key) {
            const QString name = folded(line.name);
            if (!current->contains(name))
                current->insert(name, line.value);
        }
    }
    return true;
}

// The parsed file, read again when it changed; null when it cannot be read.
const ParsedFile *current(const QString &file)
{
    Cache &c = cache();
    FileStamp stamp;
    if (!stampOf(file, stamp)) {
        c.files.remove(file);
        return nullptr;
    }
    auto it = c.files.find(file);
    if (it == c.files.end() || !(it->stamp == stamp)) {
        ParsedFile parsed;
        parsed.stamp = stamp;
        if (!parse(file, parsed)) {
            c.files.remove(file);
            return nullptr;
        }
        if (c.files.size() >= kMaxFiles)
            c.files.clear();
        it = c.files.insert(file, std::move(parsed));
    }
    return &*it;
}

} // namespace

std::optional<QString> Lookup(const QString &file, const QString &section, const QString &key)
{
    const ParsedFile *parsed = current(file);
    if (!parsed)
        return std::nullopt;
    const auto s = parsed->sections.constFind(folded(section));
    if (s == parsed->sections.constEnd())
        return std::nullopt;
    const auto k = s->constFind(folded(key));
    if (k == s->constEnd())
        return std::nullopt;
    return *k;
}

QHash<QString, QString> Section(const QString &file, const QString &section)
{
    const ParsedFile *parsed = current(file);
    return parsed ? parsed->sections.value(folded(section)) : QHash<QString, QString>();
}

QString FoldedName(const QString &name)
{
    return folded(name);
}

void Forget(const QString &)
{
    // The same file may be known under more than one spelling of its path; the cache
    // holds a handful of files, so forgetting all of them is cheap and always right.
    cache().files.clear();
}

int ParseCount()
{
    return cache().parses;
}

} // namespace ProfileCache
