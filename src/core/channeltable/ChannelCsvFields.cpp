#include "ChannelCsvFields.h"

#include "ChannelGroup.h"
#include "ControlChars.h"
#include "FreqCodec.h"
#include "RadioImage.h"

#include <QRegularExpression>

namespace {
const char *const kFieldNames[kChannelFieldCount] = {
    "Location", "Group", "Frequency", "Mode", "Power", "Duplex", "Offset", "RxTone", "TxTone", "Public", "Scan",
    "TSQ", "BusyLock", "HiCut", "NB", "Shift5k", "RogerBeep", "DtmfBot", "DtmfEot", "DtmfCall",
};

// The order of the table's columns. Group comes first: CHIRP opens any CSV file whose
// header starts with "Location" as its own format, and this table is not that format.
const ChannelField kTableOrder[kChannelFieldCount] = {
    ChannelField::Group, ChannelField::Location, ChannelField::Frequency, ChannelField::Mode, ChannelField::Power,
    ChannelField::Duplex, ChannelField::Offset, ChannelField::RxTone, ChannelField::TxTone, ChannelField::Public,
    ChannelField::Scan, ChannelField::Tsq, ChannelField::BusyLock, ChannelField::HiCut, ChannelField::Nb,
    ChannelField::Shift5k, ChannelField::RogerBeep, ChannelField::DtmfBot, ChannelField::DtmfEot, ChannelField::DtmfCall,
};

const int kColumns[kChannelFieldCount] = {
    0, 0, ColFreq, ColAmFm, ColTxPower, ColDup, ColOffset, ColRdct, ColTdct, ColPublic, ColScan,
    ColTsq, ColBusy, ColHiCut, ColNb, ColAddSub5K, ColRbTone, ColDtmfBot, ColDtmfEot, ColDtmfCall,
};

const QStringList kOffOn{QStringLiteral("Off"), QStringLiteral("On")};
const QStringList kScanWords{QStringLiteral("Del"), QStringLiteral("Add")};
const QStringList kModeWords{QStringLiteral("FM"), QStringLiteral("AM")};
const QStringList kPowerWords{QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High")};
const QStringList kDuplexWords{QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};

// Words a field's values are written with; empty for the numeric fields.
const QStringList &wordsOf(ChannelField field)
{
    static const QStringList none;
    switch (field) {
    case ChannelField::Mode: return kModeWords;
    case ChannelField::Power: return kPowerWords;
    case ChannelField::Duplex: return kDuplexWords;
    case ChannelField::Scan: return kScanWords;
    case ChannelField::Public:
    case ChannelField::Tsq:
    case ChannelField::BusyLock:
    case ChannelField::HiCut:
    case ChannelField::Nb:
    case ChannelField::Shift5k: return kOffOn;
    default: return none;
    }
}

QString wordOrNumber(const QStringList &words, int value)
{
    return value >= 0 && value < words.size() ? words.at(value) : QString::number(value);
}

// Tone texts of the table: "Off", the CTCSS tone in Hz ("67.0"), the DCS code ("D023N").
QString toneWord(int index)
{
    if (index == 0)
        return QStringLiteral("Off");
    if (index >= 1 && index < kFirstDcsIndex)
        return QString::number(CtcssHz(index), 'f', 1);
    if (index >= kFirstDcsIndex && index < kToneListSize)
        return QStringLiteral("D%1N").arg(DcsCode(index), 3, 10, QLatin1Char('0'));
    return QString::number(index);
}

bool parseTone(const QString &text, int *value)
{
    const QString t = DecimalText(text);
    if (t.compare(QLatin1String("Off"), Qt::CaseInsensitive) == 0 || t.isEmpty()) {
        *value = 0;
        return true;
    }
    for (int i = 1; i < kToneListSize; ++i) {
        if (t.compare(ToneText(i), Qt::CaseInsensitive) == 0) {   // "C_001(67.0Hz)" as the lists show it
            *value = i;
            return true;
        }
    }
    static const QRegularExpression dcs(QStringLiteral("^D?([0-7]{3})N?$"), QRegularExpression::CaseInsensitiveOption);
    if (const auto m = dcs.match(t); m.hasMatch() && (t.size() > 3)) {
        const int code = m.captured(1).toInt();
        for (int i = kFirstDcsIndex; i < kToneListSize; ++i) {
            if (DcsCode(i) == code) {
                *value = i;
                return true;
            }
        }
        return false;
    }
    if (IsNumericText(t)) {
        const double hz = NumericValue(t);
        for (int i = 1; i < kFirstDcsIndex; ++i) {
            if (qAbs(CtcssHz(i) - hz) < 0.05) {
                *value = i;
                return true;
            }
        }
    }
    return false;
}

bool parseFlagSynonym(const QString &t, int *value)
{
    static const QStringList yes{QStringLiteral("on"), QStringLiteral("yes"), QStringLiteral("true"), QStringLiteral("1")};
    static const QStringList no{QStringLiteral("off"), QStringLiteral("no"), QStringLiteral("false"), QStringLiteral("0")};
    if (yes.contains(t.toLower())) {
        *value = 1;
        return true;
    }
    if (no.contains(t.toLower())) {
        *value = 0;
        return true;
    }
    return false;
}

// A reference to a numbered entry (tone tip, DTMF code): the word for none or 1..max.
bool parseReference(const QString &t, const QString &noneWord, int max, int *value)
{
    if (t.compare(noneWord, Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("Off"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
        *value = 0;
        return true;
    }
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n < 0 || n > max)
        return false;
    *value = n;
    return true;
}
}

QString DecimalText(const QString &text)
{
    QString t = text.trimmed();
    if (t.count(QLatin1Char(',')) == 1 && !t.contains(QLatin1Char('.')))
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t;
}

QString FieldName(ChannelField field)
{
    return QString::fromLatin1(kFieldNames[int(field)]);
}

int FieldIndexByName(const QString &name)
{
    const QString n = name.trimmed();
    for (int i = 0; i < kChannelFieldCount; ++i) {
        if (n.compare(QLatin1String(kFieldNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QStringList ChannelTableHeader()
{
    QStringList header;
    for (ChannelField f : kTableOrder)
        header << FieldName(f);
    return header;
}

QString ChannelPowerWord(int level)
{
    return wordOrNumber(kPowerWords, level);
}

QString CellInMessage(const QString &cell)
{
    constexpr int kShown = 40;
    const QString shown = cell.size() > kShown ? cell.left(kShown) + QStringLiteral("...") : cell;
    return EscapeControls(shown);
}

int ColumnOfField(ChannelField field)
{
    return kColumns[int(field)];
}

int ContainingGroup(int number, int band)
{
    for (int g = 0; g < GroupCount(band); ++g) {
        if (IsInGroup(number, g, band))
            return g;
    }
    return -1;
}

QString ChannelLabel(int number, int band)
{
    const int group = ContainingGroup(number, band);
    if (group < 0)
        return number == kVfoChannel ? QStringLiteral("VFO") : QString();
    if (IsVfoGroup(group, band))
        return QStringLiteral("VFO");
    const QString name = GroupName(group, band);
    const int position = number - GroupStart(group, band);
    // Letter banks read "A-5"; the named groups "EU 5" and "MEM 2".
    const bool bank = band != 0 && group <= 9;
    return name + (bank ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(position);
}

int ChannelOfLabel(const QString &label, int band)
{
    const QString t = label.trimmed();
    if (t.compare(QLatin1String("VFO"), Qt::CaseInsensitive) == 0)
        return kVfoChannel;
    static const QRegularExpression re(QStringLiteral("^([A-Za-z][A-Za-z0-9]*?)\\s*[- ]?\\s*(\\d+)$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        return -1;
    const int group = GroupIndexByName(m.captured(1).toUpper(), band);
    const int position = m.captured(2).toInt();
    if (group < 0 || IsVfoGroup(group, band) || position < 1 || position > GroupSize(group, band))
        return -1;
    return GroupStart(group, band) + position;
}

QString FieldText(ChannelField field, const ChannelRecord &c, int band)
{
    switch (field) {
    case ChannelField::Location: return QString::number(c.number);
    case ChannelField::Group: return ChannelLabel(c.number, band);
    case ChannelField::Frequency: {
        // Stored text that is no frequency is written as it stands (no message box).
        const QString stored = c.freqText().trimmed();
        if (IsNoFrequency(c.freqText()))
            return QString();
        for (QChar ch : stored) {
            if (!ch.isDigit() || ch.unicode() >= 128)
                return stored;
        }
        const int group = ContainingGroup(c.number, band);
        return FreqDisplayText(c.freqText(), group < 0 ? 0 : group, band);
    }
    case ChannelField::Offset: return QString::number(c.OffSetFre);
    case ChannelField::RxTone: return toneWord(c.RDCT);
    case ChannelField::TxTone: return toneWord(c.TDCT);
    case ChannelField::RogerBeep: return c.RBTone == 0 ? QStringLiteral("Off") : QString::number(c.RBTone);
    case ChannelField::DtmfBot:
    case ChannelField::DtmfEot:
    case ChannelField::DtmfCall: {
        const int v = *c.fieldByColumn(ColumnOfField(field));
        return v == 0 ? QStringLiteral("None") : QString::number(v);
    }
    default:
        return wordOrNumber(wordsOf(field), *c.fieldByColumn(ColumnOfField(field)));
    }
}

QStringList ChannelTableRow(const ChannelRecord &channel, int band)
{
    QStringList row;
    for (ChannelField f : kTableOrder)
        row << FieldText(f, channel, band);
    return row;
}

bool ParseFieldWords(ChannelField field, const QString &text, int *value)
{
    const QString t = text.trimmed();
    switch (field) {
    case ChannelField::RxTone:
    case ChannelField::TxTone: return parseTone(t, value);
    case ChannelField::RogerBeep: return parseReference(t, QStringLiteral("Off"), kToneTips, value);
    case ChannelField::DtmfBot:
    case ChannelField::DtmfEot:
    case ChannelField::DtmfCall: return parseReference(t, QStringLiteral("None"), kDtmfCodes, value);
    default: break;
    }
    const QStringList &words = wordsOf(field);
    if (words.isEmpty())
        return false;
    for (int i = 0; i < words.size(); ++i) {
        if (t.compare(words.at(i), Qt::CaseInsensitive) == 0) {
            *value = i;
            return true;
        }
    }
    if (field == ChannelField::Power) {
        static const QStringList shortWords{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("H")};
        for (int i = 0; i < shortWords.size(); ++i) {
            if (t.compare(shortWords.at(i), Qt::CaseInsensitive) == 0 || (i == 1 && t.compare(QLatin1String("Mid"), Qt::CaseInsensitive) == 0)) {
                *value = i;
                return true;
            }
        }
        return false;
    }
    if (words == kOffOn || words == kScanWords)
        return parseFlagSynonym(t, value);
    return false;
}
