#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

// Profile files are read and rewritten as a stream of lines, so a file of any size is
// handled in bounded memory: only the first bytes of a line (its "head") are ever looked
// at, the rest of an overlong line is skipped when reading and copied through unchanged
// when rewriting. Lines end with LF or CR LF; a NUL ends the meaningful part of a line.

namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;
constexpr qsizetype kMinHeadBytes = 64 * 1024;
constexpr qsizetype kMaxHeadBytes = 4 * 1024 * 1024;

class LineReader {
public:
    explicit LineReader(QIODevice &in) : in_(in) {}

    // The next line: up to `cap` bytes of it in `head`, its terminator included when it
    // fits. `complete` is false when more of the line is left for finishLine().
    // Returns false at the end of the input.
    bool nextHead(QByteArray &head, qsizetype cap, bool &complete)
    {
        for (;;) {
            const qsizetype available = buf_.size() - pos_;
            const qsizetype nl = buf_.indexOf('\n', pos_);
            if (nl >= 0 && nl - pos_ + 1 <= cap) {
                head = buf_.mid(pos_, nl - pos_ + 1);
                pos_ = nl + 1;
                complete = true;
                return true;
            }
            if (available >= cap) {
                head = buf_.mid(pos_, cap);
                pos_ += cap;
                complete = false;
                return true;
            }
            if (eof_) {
                if (available == 0)
                    return false;
                head = buf_.mid(pos_);
                pos_ = buf_.size();
                complete = true;
                return true;
            }
            fill();
        }
    }

    // Passes the rest of the current line, terminator included, to `sink` (dropped when
    // null). Returns whether the line ended with a line feed; false when `sink` failed.
    bool finishLine(QIODevice *sink, bool &endedWithNewline)
    {
        endedWithNewline = false;
        for (;;) {
            const qsizetype nl = buf_.indexOf('\n', pos_);
            const qsizetype end = nl >= 0 ? nl + 1 : buf_.size();
            if (sink && end > pos_ && sink->write(buf_.constData() + pos_, end - pos_) != end - pos_)
                return false;
            pos_ = end;
            if (nl >= 0) {
                endedWithNewline = true;
                return true;
            }
            if (eof_)
                return true;
            fill();
        }
    }

    bool failed() const { return failed_; }

private:
    void fill()
    {
        buf_.remove(0, pos_);
        pos_ = 0;
        const qsizetype old = buf_.size();
        buf_.resize(old + kChunkBytes);
        const qint64 got = in_.read(buf_.data() + old, kChunkBytes);
        if (got < 0)
            failed_ = true;
        buf_.resize(old + std::max<qint64>(got, 0));
        if (got <= 0)
            eof_ = true;
    }

    QIODevice &in_;
    QByteArray buf_;
    qsizetype pos_ = 0;
    bool eof_ = false;
    bool failed_ = false;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct IniLine {
    LineKind kind = LineKind::Other;
    QString name;   // section name or key name, trimmed
    QString value;  // value of a key line, trimmed
};

// The text of a line head: without its terminator, cut at the first NUL, decoded as
// UTF-8 (invalid bytes become replacement characters), without a leading byte order mark.
QString LineText(QByteArray head, bool firstLine)
{
    if (head.endsWith('\n'))
        head.chop(1);
    if (head.endsWith('\r'))
        head.chop(1);
    const qsizetype nul = head.indexOf('\0');
    if (nul >= 0)
        head.truncate(nul);
    if (firstLine && head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return QString::fromUtf8(head);
}

IniLine Classify(const QString &text)
{
    IniLine line;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (t.startsWith(QLatin1Char(';'))) {
        line.kind = LineKind::Comment;
    } else if (t.startsWith(QLatin1Char('['))) {
        // A header without its closing bracket still opens a section named by the rest.
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        line.kind = LineKind::Section;
        line.name = t.mid(1, close < 0 ? -1 : close - 1).trimmed();
    } else {
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq > 0) {
            line.kind = LineKind::Key;
            line.name = t.left(eq).trimmed();
            line.value = t.mid(eq + 1).trimmed();
        }
    }
    return line;
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

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
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    if (file.isEmpty() || wantedSection.isEmpty() || wantedKey.isEmpty())
        return Limited(fallback, maxChars);

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return Limited(fallback, maxChars);

    // Enough of a line to hold the key, the separator and a value of the buffer size in
    // UTF-8 (up to 4 bytes a character), within fixed bounds.
    const qsizetype cap = std::clamp<qsizetype>(
        4 * (qsizetype(maxChars) + wantedKey.size()) + 1024, kMinHeadBytes, kMaxHeadBytes);

    LineReader reader(in);
    QByteArray head;
    bool complete = false;
    bool firstLine = true;
    bool inSection = false;
    bool sectionSeen = false;
    while (reader.nextHead(head, cap, complete)) {
        const IniLine line = Classify(LineText(head, firstLine));
        firstLine = false;
        if (!complete) {
            bool newline = false;
            reader.finishLine(nullptr, newline);
        }
        if (line.kind == LineKind::Section) {
            // Only the first section of a name counts, as for writing.
            if (inSection)
                break;
            if (!sectionSeen && SameName(line.name, wantedSection)) {
                inSection = true;
                sectionSeen = true;
            }
        } else if (inSection && line.kind == LineKind::Key && SameName(line.name, wantedKey)) {
            return Limited(line.value, maxChars);
        }
    }
    return Limited(fallback, maxChars);
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
    // complete, so a failed write never damages the file.
    QSaveFile out(file);
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
    return out.commit();
}
