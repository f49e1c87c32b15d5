#include "ChannelRowApply.h"

#include "ChannelCell.h"
#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "RadioImage.h"
#include "RunSettings.h"

#include <cmath>

namespace {
constexpr double kUnitsPerMhz = 100000.0;   // stored frequencies are units of 10 Hz
constexpr qint64 kRasterUnits = 500;         // 5 kHz

// The fields after the frequency, in the order they are stored: the modulation before
// the power, since AM lowers the power.
const ChannelField kOptionOrder[] = {
    ChannelField::Mode, ChannelField::Power, ChannelField::Duplex, ChannelField::Offset, ChannelField::RxTone,
    ChannelField::TxTone, ChannelField::Public, ChannelField::Scan, ChannelField::Tsq, ChannelField::BusyLock,
    ChannelField::HiCut, ChannelField::Nb, ChannelField::Shift5k, ChannelField::RogerBeep, ChannelField::DtmfBot,
    ChannelField::DtmfEot, ChannelField::DtmfCall,
};

QString cellOf(const QHash<QString, QString> &cells, ChannelField f)
{
    return cells.value(FieldName(f)).trimmed();
}

bool sameNumber(const QString &a, const QString &b)
{
    return IsNumericText(a) && IsNumericText(b) && std::fabs(NumericValue(a) - NumericValue(b)) < 0.000005;
}

// A CB MEM channel takes the frequency of a country channel of the document.
bool isCbPlanFrequency(const QString &text)
{
    const RadioImage &img = Image();
    for (int s = 0; s < img.count(); ++s) {
        const ChannelRecord &c = img.at(s);
        const int group = ContainingGroup(c.number, 0);
        if (c.number <= 360 && group >= 0 && sameNumber(FieldText(ChannelField::Frequency, c, 0), text))
            return true;
    }
    return false;
}

// Why a typed frequency cannot be stored in the HF or HAM band; empty when it can.
QString bankFrequencyProblem(const QString &text)
{
    const RunSettings &run = Run();
    const double v = NumericValue(text);
    const double units = v * kUnitsPerMhz;
    const qint64 f = qRound64(units);
    if (f < qRound64(run.bandLow * kUnitsPerMhz) || f > qRound64(run.bandHigh * kUnitsPerMhz))
        return LangText(30226).arg(CellInMessage(text), run.bandText);
    if (std::fabs(units - double(f)) > 1e-3 || (f - qRound64(run.bandLow * kUnitsPerMhz)) % kRasterUnits != 0)
        return LangText(30227).arg(CellInMessage(text));
    return QString();
}

bool isDtmfField(ChannelField f)
{
    return f == ChannelField::DtmfBot || f == ChannelField::DtmfEot || f == ChannelField::DtmfCall;
}

// Fields no window lets the user change for this channel.
bool isLocked(ChannelField f, int group, int band)
{
    if (group < 0 || f == ChannelField::Shift5k)
        return true;
    if (band == 0 && (f == ChannelField::Duplex || f == ChannelField::Power || f == ChannelField::Offset))
        return true;
    return f == ChannelField::Scan && IsVfoGroup(group, band);
}

// The stored value a cell's text stands for, or why it stands for none.
QString parseOption(ChannelField f, const QString &text, int *value)
{
    if (f == ChannelField::Offset) {
        bool ok = false;
        *value = text.toInt(&ok);
        if (!ok || *value < 5 || *value > 1000 || *value % 5 != 0)
            return LangText(30234).arg(CellInMessage(text));
        return QString();
    }
    if (!ParseFieldWords(f, text, value))
        return LangText(30225).arg(FieldName(f), CellInMessage(text));
    return QString();
}

// The stored value a cell asks for, or the reason it cannot be stored.
QString optionValue(ChannelField f, const QString &text, const ChannelRecord &ch, int group, int band, int *value)
{
    const RadioImage &img = Image();
    if (const QString problem = parseOption(f, text, value); !problem.isEmpty())
        return problem;
    if (*value == *ch.fieldByColumn(ColumnOfField(f)))
        return QString();
    const QString label = ChannelLabel(ch.number, band);
    if (isLocked(f, group, band))
        return LangText(30231).arg(FieldName(f), label.isEmpty() ? QString::number(ch.number) : label);
    const int position = ch.number - GroupStart(group, band);
    if (f == ChannelField::Mode && *value == 1 && IsFixedFm(group, position, band))
        return LangText(30232).arg(label);
    if (f == ChannelField::Power && *value == 2 && ch.AM_FM == 1)
        return LangText(30233);
    if (f == ChannelField::RogerBeep && *value != 0 && !IsTipUsable(img, *value))
        return LangText(30236).arg(*value);
    if (isDtmfField(f) && *value != 0 && img.header.dtmf.codes[*value - 1].length <= 0)
        return LangText(30235).arg(*value);
    return QString();
}

bool hasSettings(const QHash<QString, QString> &cells)
{
    for (ChannelField f : kOptionOrder) {
        if (!cellOf(cells, f).isEmpty())
            return true;
    }
    return false;
}
}

bool IsFixedFm(int group, int position, int band)
{
    return band == 0 && (group == 1 || group == kCbGroupUk || (group == kCbGroupDe && position > 40));
}

QString RowValueProblems(const QHash<QString, QString> &cells)
{
    QStringList problems;
    const QString freq = DecimalText(cellOf(cells, ChannelField::Frequency));
    if (!freq.isEmpty() && !IsNumericText(freq))
        problems << LangText(30225).arg(FieldName(ChannelField::Frequency), CellInMessage(freq));
    for (ChannelField f : kOptionOrder) {
        const QString text = cellOf(cells, f);
        int value = 0;
        if (!text.isEmpty()) {
            if (const QString problem = parseOption(f, text, &value); !problem.isEmpty())
                problems << problem;
        }
    }
    return problems.join(QStringLiteral("; "));
}

QString ApplyChannelRow(const QHash<QString, QString> &cells, int number, RowApplyMode mode)
{
    const int band = Run().BandMode;
    const int group = ContainingGroup(number, band);
    const int position = group < 0 ? 0 : number - GroupStart(group, band);
    const QString label = group < 0 ? QString::number(number) : ChannelLabel(number, band);
    const bool cbCountry = band == 0 && group >= 0 && group != kCbMemGroup;
    RadioImage &img = Image();
    // Every reason the row cannot be stored, not only the first.
    QStringList problems;
    auto join = [&problems] {
        problems.removeDuplicates();
        return problems.join(QStringLiteral("; "));
    };

    const bool takeFrequency = cells.contains(FieldName(ChannelField::Frequency)) && !(mode.cbSettingsOnly && cbCountry);
    if (takeFrequency) {
        const QString text = DecimalText(cellOf(cells, ChannelField::Frequency));
        const ChannelRecord *ch = img.channel(number);
        const QString current = ch ? FieldText(ChannelField::Frequency, *ch, band) : QString();
        const bool same = text == current || sameNumber(text, current);
        if (!same && text.isEmpty()) {
            if (group < 0 || band == 0)
                return LangText(30246).arg(label);
            if (SetChannelCell(group, position, ColFreq, QString()) == CellChange::KeptChannel)
                return LangText(30237).arg(label);
            return QString();   // deleted: the rest of the row has no channel to go to
        }
        if (!same) {
            const QString shown = CellInMessage(text);
            if (!IsNumericText(text))
                problems << LangText(30225).arg(FieldName(ChannelField::Frequency), shown);
            else if (group < 0)
                problems << LangText(30231).arg(FieldName(ChannelField::Frequency), label);
            else if (cbCountry)
                problems << (ch ? LangText(30706).arg(shown, label, current) : LangText(30707).arg(shown, label));
            else if (band == 0 && !isCbPlanFrequency(text))
                problems << LangText(30230).arg(shown);
            else if (const QString problem = band != 0 ? bankFrequencyProblem(text) : QString(); !problem.isEmpty())
                problems << problem;
            else
                SetChannelCell(group, position, ColFreq, FormatFreq(NumericValue(text)));
        }
    }

    const ChannelRecord *ch = img.channel(number);
    if (!ch) {
        if (problems.isEmpty() && hasSettings(cells))
            problems << (cbCountry ? LangText(30229).arg(label) : LangText(30238).arg(label));
        if (const QString words = RowValueProblems(cells); !words.isEmpty())
            problems << words;
        return join();
    }
    for (ChannelField f : kOptionOrder) {
        const QString text = cellOf(cells, f);
        ch = img.channel(number);
        if (text.isEmpty() || text.compare(FieldText(f, *ch, band), Qt::CaseInsensitive) == 0)
            continue;
        int value = 0;
        if (const QString problem = optionValue(f, text, *ch, group, band, &value); !problem.isEmpty()) {
            problems << problem;
            continue;
        }
        if (value != *ch->fieldByColumn(ColumnOfField(f)))
            SetChannelCell(group, position, ColumnOfField(f), QString::number(value));
    }
    return join();
}
