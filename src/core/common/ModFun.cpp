#include "ModFun.h"

#include "FreqCodec.h"

QString TrimAtNul(const QString &text)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    QString t = text.left(end);
    const int nul = t.indexOf(QChar(0));
    if (nul >= 0)
        t.truncate(nul);
    return t;
}

QString FileNameOf(const QString &path)
{
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? path : path.mid(cut + 1);
}

int32_t ToLongOr(const QString &text, int32_t fallback)
{
    if (!IsNumericText(text))
        return fallback;
    const double v = NumericValue(text);
    if (v < -2147483648.0 || v > 2147483647.0)
        return fallback;
    return static_cast<int32_t>(qRound64(v));
}

int16_t ClampToStep(const QString &text, int16_t min, int16_t max, int16_t step, int16_t fallback)
{
    if (!IsNumericText(text))
        return fallback;
    double v = NumericValue(text);
    if (v < min)
        v = min;
    if (v > max)
        v = max;
    int value = static_cast<int>(qRound(v));
    if (value > max)
        value = max;
    if (step >= 2)
        value -= value % step;
    return static_cast<int16_t>(value);
}

QString DigitsToDtmfText(const QString &digits)
{
    QString out = digits;
    for (QChar &c : out) {
        if (c == QLatin1Char('E'))
            c = QLatin1Char('#');
        else if (c == QLatin1Char('F'))
            c = QLatin1Char('*');
    }
    return out;
}

QString DtmfTextToDigits(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c == QLatin1Char('#'))
            c = QLatin1Char('E');
        else if (c == QLatin1Char('*'))
            c = QLatin1Char('F');
    }
    return out;
}
