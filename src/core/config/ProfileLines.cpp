#include "ProfileLines.h"

#include <QStringDecoder>

namespace ProfileLines {

QString LineText(QByteArray head, bool firstLine)
{
    if (head.endsWith('\n'))
        head.chop(1);
    if (head.endsWith('\r'))
        head.chop(1);
    const qsizetype nul = head.indexOf('\0');
    if (nul >= 0)
        head.truncate(nul);
    if (head.startsWith("\xEF\xBB\xBF")) {
        if (firstLine) {
            head.remove(0, 3);
        } else {
            // Inside the file the mark is text of the line (a key name may start with
            // it), and the usual decoding would drop it: the key could not be read back.
            QStringDecoder keepMark(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            return keepMark(head);
        }
    }
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


} // namespace ProfileLines
