#include "ChannelTableColumns.h"

#include "ChannelGroup.h"
#include "FreqCodec.h"
#include "FrmCHInfoEdit.h"
#include "LangText.h"
#include "RadioImage.h"

namespace ChannelTableColumns {
namespace {
const char *const kKeys[Count] = {
    "Frequency", "Offset", "Public", "Duplex", "TSQ", "Scan", "HiCut", "BusyLock", "NB",
    "Mode", "Power", "RogerBeep", "DtmfBot", "DtmfEot", "DtmfCall", "RxTone", "TxTone",
};

// The dialog's option selector of each list column (the 5 kHz shift it never shows).
int optionOf(int column)
{
    static const int kOptions[Count] = {
        -1, -1, FrmCHInfoEdit::OptPublic, FrmCHInfoEdit::OptDup, FrmCHInfoEdit::OptTsq, FrmCHInfoEdit::OptScan,
        FrmCHInfoEdit::OptHiCut, FrmCHInfoEdit::OptBusy, FrmCHInfoEdit::OptNb, FrmCHInfoEdit::OptAmFm,
        FrmCHInfoEdit::OptTxPower, FrmCHInfoEdit::OptRogerBeep, FrmCHInfoEdit::OptDtmfBot,
        FrmCHInfoEdit::OptDtmfEot, FrmCHInfoEdit::OptDtmfCall, FrmCHInfoEdit::OptRdct, FrmCHInfoEdit::OptTdct,
    };
    return column >= 0 && column < Count ? kOptions[column] : -1;
}

const QStringList &offOn()
{
    static const QStringList list{QStringLiteral("Off"), QStringLiteral("On")};
    return list;
}

bool usesCommonSettings(const ChannelRecord &c)
{
    return c.Public >= 1;
}

// Settings the dialog keeps enabled while the channel uses the common settings.
bool alwaysEnabled(int column)
{
    return column == Public || column == Tsq || column == Scan || column == RxTone || column == TxTone;
}
}

QString Caption(int column)
{
    if (column == Frequency)
        return LangText(15002);
    if (column == Offset)
        return LangText(15100);
    return LangText(15005 + optionOf(column));
}

QString Key(int column)
{
    return QString::fromLatin1(kKeys[column]);
}

int CellColumn(int column)
{
    if (column == Frequency)
        return ColFreq;
    if (column == Offset)
        return ColOffset;
    return FrmCHInfoEdit::ColumnOfOption(optionOf(column));
}

bool IsList(int column)
{
    return column != Frequency && column != Offset;
}

bool HiddenInBand(int column, int band)
{
    return band == 0 && (column == Duplex || column == Power || column == Offset);
}

QStringList Entries(int column, const ChannelRecord &c)
{
    switch (column) {
    case Public:
    case Tsq:
    case HiCut:
    case Busy:
    case Nb: return offOn();
    case Duplex: return {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};
    case Scan: return {QStringLiteral("Del"), QStringLiteral("Add")};
    case Mode: return {QStringLiteral("FM"), QStringLiteral("AM")};
    case Power: {
        QStringList list{LangText(15044), LangText(15045)};
        if (c.AM_FM <= 0)
            list << LangText(15046);
        return list;
    }
    case RogerBeep: return UsableTipEntries(Image());
    case DtmfBot:
    case DtmfEot:
    case DtmfCall: return DtmfCodeListEntries(Image());
    case RxTone:
    case TxTone: return ToneList();
    default: return {};
    }
}

int EntryIndex(int column, const ChannelRecord &c)
{
    if (!IsList(column))
        return -1;
    const QStringList entries = Entries(column, c);
    const int16_t value = *c.fieldByColumn(CellColumn(column));
    switch (column) {
    case RogerBeep:
    case DtmfBot:
    case DtmfEot:
    case DtmfCall: {
        // Chosen by text, as the dialog does: an entry that is not in the list shows the first.
        const int at = int(entries.indexOf(QString::number(value)));
        return at < 0 ? 0 : at;
    }
    case Power:
        // AM shows a power above the second entry as the second; the stored value stays.
        if (c.AM_FM > 0 && value > 1)
            return 1;
        return value >= 0 && value < entries.size() ? value : 0;
    default:
        return value >= 0 && value < entries.size() ? value : 0;
    }
}

QString Text(int column, const ChannelRecord &c, int group, int band)
{
    if (column == Frequency)
        return FreqDisplayText(c.freqText(), group, band);
    if (column == Offset)
        return QString::number(c.OffSetFre);
    const QStringList entries = Entries(column, c);
    const int at = EntryIndex(column, c);
    return at >= 0 && at < entries.size() ? entries.at(at) : QString();
}

double SortKey(int column, const ChannelRecord &c)
{
    if (column == Frequency) {
        bool ok = false;
        const double v = c.freqText().trimmed().toDouble(&ok);
        return ok ? v : 1e12;
    }
    if (column == Offset)
        return c.OffSetFre;
    return *c.fieldByColumn(CellColumn(column));
}

bool Editable(int column, const ChannelRecord *c, int group, int position, int band)
{
    if (HiddenInBand(column, band))
        return false;
    if (!c)
        return column == Frequency && band != 0;
    if (column == Frequency)
        return band != 0;
    if (column == Scan && IsVfoGroup(group, band))
        return false;
    if (column == Mode && FrmCHInfoEdit::IsFixFM(position, group, band))
        return false;
    return alwaysEnabled(column) || !usesCommonSettings(*c);
}

QString ValueOfEntry(int column, const QStringList &entries, int entry)
{
    const bool byText = column == RogerBeep || column == DtmfBot || column == DtmfEot || column == DtmfCall;
    if (byText)
        return entry >= 0 && entry < entries.size() ? entries.at(entry) : QString();
    return QString::number(entry);
}

} // namespace ChannelTableColumns
