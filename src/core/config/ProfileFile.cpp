#include "ProfileFile.h"

#include "ProfileCache.h"
#include "ProfileLines.h"
#include "SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace ProfileLines;

namespace {

// Cuts a text to at most maxChars UTF-16 units without splitting a surrogate pair.
QString Limited(QString text, int maxChars)
{
    if (text.size() > maxChars) {
        qsizetype cut = maxChars;
        if (cut > 0 && text.at(cut - 1).isHighSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
}

bool HasLineBreakOrNul(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar(0));
}

// Names and values that would change the structure of the file (a line break, a NUL, a
// "]" in a section name, an "=" in a key name, a key that would read as a comment or a
// header) are refused instead of being written.
bool IsWritable(const QString &section, const QString &key, const QString &value)
{
    const QString s = section.trimmed();
    const QString k = key.trimmed();
    if (s.isEmpty() || k.isEmpty())
        return false;
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    if (s.contains(QLatin1Char(']')))
        return false;
    if (k.contains(QLatin1Char('=')) || k.startsWith(QLatin1Char(';')) || k.startsWith(QLatin1Char('[')))
        return false;
    return true;
}

} // namespace

QString ReadProfileString(const QString &file, const QString &section, const QString &key,
                          const QString &fallback, int bufferSize)
{
    const int maxChars = std::max(0, bufferSize - 1);
    if (file.isEmpty() || section.trimmed().isEmpty() || key.trimmed().isEmpty())
        return Limited(fallback, maxChars);
    const std::optional<QString> value = ProfileCache::Lookup(file, section, key);
    return Limited(value ? *value : fallback, maxChars);
}

ProfileSection::ProfileSection(const QString &file, const QString &section)
{
    if (!file.isEmpty() && !section.trimmed().isEmpty())
        keys_ = ProfileCache::Section(file, section);
}

QString ProfileSection::value(const QString &key, const QString &fallback, int bufferSize) const
{
    const int maxChars = std::max(0, bufferSize - 1);
    if (key.trimmed().isEmpty())
        return Limited(fallback, maxChars);
    const auto k = keys_.constFind(ProfileCache::FoldedName(key));
    return Limited(k == keys_.constEnd() ? fallback : *k, maxChars);
}

bool WriteProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value)
{
    if (file.isEmpty() || !IsWritable(section, key, value))
        return false;
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();

    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath()))
        return false;

    QFile in(file);
    const bool exists = in.exists();
    if (exists && !in.open(QIODevice::ReadOnly))
        return false;

    // The new content goes to a temporary file that replaces the old one only when it is
    // complete, so a failed write never damages the file; a linked file keeps its link.
    const SaveTarget target = ResolveSaveTarget(file);
    if (target.path.isEmpty())
        return false;
    QSaveFile out(target.path);
    if (!out.open(QIODevice::WriteOnly))
        return false;

    QByteArray eol;             // line end style of the file, from its first line
    QByteArray held;            // blank and comment lines at the end of the target section
    bool inSection = false;
    bool sectionSeen = false;
    bool done = false;
    bool lastEndedWithNewline = true;   // an empty file needs no line break before appending
    bool ok = true;

    auto put = [&](const QByteArray &bytes) {
        if (ok && !bytes.isEmpty() && out.write(bytes) != bytes.size())
            ok = false;
    };
    auto keyLine = [&](const QString &name) {
        return (name + QLatin1Char('=') + value).toUtf8() + (eol.isEmpty() ? QByteArray("\n") : eol);
    };

    if (exists) {
        LineReader reader(in);
        QByteArray head;
        bool complete = false;
        bool firstLine = true;
        while (ok && reader.nextHead(head, kMinHeadBytes, complete)) {
            if (eol.isEmpty() && complete && head.endsWith('\n'))
                eol = head.endsWith("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
            const IniLine line = done ? IniLine{} : Classify(LineText(head, firstLine));
            firstLine = false;

            if (!done && inSection) {
                const bool holdable = complete
                    && (line.kind == LineKind::Blank || line.kind == LineKind::Comment);
                if (holdable) {
                    held += head;
                    continue;
                }
                if (line.kind == LineKind::Section) {
                    // End of the target section without the key: append it after the
                    // section's last entry, before the blank lines that separate it.
                    put(keyLine(wantedKey));
                    put(held);
                    held.clear();
                    done = true;
                } else if (line.kind == LineKind::Key && SameName(line.name, wantedKey)) {
                    put(held);
                    held.clear();
                    QByteArray ending;
                    if (complete) {
                        ending = head.endsWith("\r\n") ? QByteArray("\r\n")
                               : head.endsWith('\n') ? QByteArray("\n") : QByteArray();
                    } else {
                        bool newline = false;
                        reader.finishLine(nullptr, newline);
                        ending = newline ? (eol.isEmpty() ? QByteArray("\n") : eol) : QByteArray();
                    }
                    put((line.name + QLatin1Char('=') + value).toUtf8() + ending);
                    lastEndedWithNewline = !ending.isEmpty();
                    done = true;
                    continue;
                } else {
                    put(held);
                    held.clear();
                }
            } else if (!done && line.kind == LineKind::Section && !sectionSeen
                       && SameName(line.name, wantedSection)) {
                inSection = true;
                sectionSeen = true;
            }

            put(head);
            lastEndedWithNewline = head.endsWith('\n');
            if (!complete) {
                bool newline = false;
                if (ok && !reader.finishLine(&out, newline))
                    ok = false;
                lastEndedWithNewline = newline;
            }
        }
        if (reader.failed() || in.error() != QFileDevice::NoError)
            ok = false;
    }

    if (!done) {
        if (!held.isEmpty()) {
            // The file ends inside the target section with blank or comment lines; the
            // line before them ended with a line break.
            put(keyLine(wantedKey));
            put(held);
        } else {
            if (!lastEndedWithNewline)
                put(eol.isEmpty() ? QByteArray("\n") : eol);
            if (!inSection)
                put((QLatin1Char('[') + wantedSection + QLatin1Char(']')).toUtf8()
                    + (eol.isEmpty() ? QByteArray("\n") : eol));
            put(keyLine(wantedKey));
        }
    }

    in.close();
    if (!ok) {
        out.cancelWriting();
        return false;
    }
    // The rewrite may keep the size and the time stamp's resolution: forget the old parse.
    ProfileCache::Forget(file);
    return out.commit();
}
