#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <algorithm>

// The lines of a profile file, read as a stream so a file of any size is handled in
// bounded memory: only the first bytes of a line (its "head") are ever looked at, the
// rest of an overlong line is skipped when reading and copied through unchanged when
// rewriting. Lines end with LF or CR LF; a NUL ends the meaningful part of a line.
namespace ProfileLines {

constexpr qsizetype kChunkBytes = 64 * 1024;
constexpr qsizetype kSmallChunkBytes = 4 * 1024;
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
        // A file is read in chunks of at most kChunkBytes, a small one in one small piece:
        // most profile files are a few hundred bytes, and they are parsed often.
        qint64 want = kChunkBytes;
        if (!in_.isSequential())
            want = std::clamp<qint64>(in_.size() - in_.pos(), kSmallChunkBytes, kChunkBytes);
        const qsizetype old = buf_.size();
        buf_.resize(old + want);
        const qint64 got = in_.read(buf_.data() + old, want);
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
QString LineText(QByteArray head, bool firstLine);
IniLine Classify(const QString &text);
bool SameName(const QString &a, const QString &b);   // without regard to case

} // namespace ProfileLines
