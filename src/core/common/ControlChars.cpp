#include "ControlChars.h"

namespace {
bool isControl(QChar ch, LineBreaks breaks)
{
    const char16_t u = ch.unicode();
    if (breaks == LineBreaks::Keep && (u == '\r' || u == '\n'))
        return false;
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

template <typename Replace>
QString mapControls(const QString &text, LineBreaks breaks, Replace replace)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        if (isControl(ch, breaks))
            replace(out, ch);
        else
            out.append(ch);
    }
    return out;
}
}

QString EscapeControls(const QString &text, LineBreaks breaks)
{
    return mapControls(text, breaks, [](QString &out, QChar ch) {
        out += QStringLiteral("\\x") + QString::number(ch.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    });
}

QString DropControls(const QString &text, LineBreaks breaks)
{
    return mapControls(text, breaks, [](QString &, QChar) {});
}
