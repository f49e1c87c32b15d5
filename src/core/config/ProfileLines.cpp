#include "ProfileLines.h"

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


} // namespace ProfileLines
