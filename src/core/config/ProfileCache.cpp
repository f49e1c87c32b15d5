#include "ProfileCache.h"

#include "ProfileLines.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

using namespace ProfileLines;

namespace ProfileCache {
namespace {

constexpr int kMaxFiles = 16;   // language files, settings and version table, with room

struct ParsedFile {
    qint64 size = -1;
    qint64 modified = 0;   // milliseconds since the epoch
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
    return name.trimmed().toCaseFolded();
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

} // namespace

std::optional<QString> Lookup(const QString &file, const QString &section, const QString &key)
{
    const QFileInfo info(file);
    const QString path = info.absoluteFilePath();
    Cache &c = cache();
    if (!info.exists() || info.isDir()) {
        c.files.remove(path);
        return std::nullopt;
    }
    const qint64 size = info.size();
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    auto it = c.files.find(path);
    if (it == c.files.end() || it->size != size || it->modified != modified) {
        ParsedFile parsed;
        parsed.size = size;
        parsed.modified = modified;
        if (!parse(path, parsed)) {
            c.files.remove(path);
            return std::nullopt;
        }
        if (c.files.size() >= kMaxFiles)
            c.files.clear();
        it = c.files.insert(path, std::move(parsed));
    }
    const auto s = it->sections.constFind(folded(section));
    if (s == it->sections.constEnd())
        return std::nullopt;
    const auto k = s->constFind(folded(key));
    if (k == s->constEnd())
        return std::nullopt;
    return *k;
}

void Forget(const QString &file)
{
    cache().files.remove(QFileInfo(file).absoluteFilePath());
}

int ParseCount()
{
    return cache().parses;
}

} // namespace ProfileCache
