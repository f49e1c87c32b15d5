#include "ChirpCsv.h"

#include "ChannelCsvFields.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "RadioImage.h"

#include <QRegularExpression>

#include <cmath>

namespace {
const QStringList kChirpColumns{
    QStringLiteral("Location"), QStringLiteral("Name"), QStringLiteral("Frequency"), QStringLiteral("Duplex"),
    QStringLiteral("Offset"), QStringLiteral("Tone"), QStringLiteral("rToneFreq"), QStringLiteral("cToneFreq"),
    QStringLiteral("DtcsCode"), QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
    QStringLiteral("Mode"), QStringLiteral("TStep"), QStringLiteral("Skip"), QStringLiteral("Power"),
    QStringLiteral("Comment"), QStringLiteral("URCALL"), QStringLiteral("RPT1CALL"), QStringLiteral("RPT2CALL"),
    QStringLiteral("DVCODE")};

// Fields without a CHIRP column, carried in Comment behind the marker.
const ChannelField kCommentFields[] = {
    ChannelField::Public, ChannelField::Tsq, ChannelField::BusyLock, ChannelField::HiCut, ChannelField::Nb,
    ChannelField::Shift5k, ChannelField::RogerBeep, ChannelField::DtmfBot, ChannelField::DtmfEot, ChannelField::DtmfCall,
};

const QString kDefaultTone = QStringLiteral("88.5");
const QString kDefaultDcs = QStringLiteral("023");

bool isCtcss(int index) { return index >= 1 && index < kFirstDcsIndex; }
bool isDcs(int index) { return index >= kFirstDcsIndex && index < kToneListSize; }
QString hz(int index) { return QString::number(CtcssHz(index), 'f', 1); }
QString dcs(int index) { return QStringLiteral("%1").arg(DcsCode(index), 3, 10, QLatin1Char('0')); }

struct ToneColumns {
    QString mode, rTone = kDefaultTone, cTone = kDefaultTone, dtcs = kDefaultDcs, rxDtcs = kDefaultDcs;
    QString cross = QStringLiteral("Tone->Tone");
};

// CHIRP's tone mode for a receive and a transmit tone of the tone list.
ToneColumns toneColumns(int rx, int tx)
{
    ToneColumns t;
    if (rx == 0 && tx == 0)
        return t;
    if (rx == 0 && isCtcss(tx)) {
        t.mode = QStringLiteral("Tone");
        t.rTone = hz(tx);
    } else if (isCtcss(rx) && rx == tx) {
        t.mode = QStringLiteral("TSQL");
        t.rTone = t.cTone = hz(rx);
    } else if (isDcs(rx) && rx == tx) {
        t.mode = QStringLiteral("DTCS");
        t.dtcs = t.rxDtcs = dcs(rx);
    } else {
        t.mode = QStringLiteral("Cross");
        QString txPart, rxPart;
        if (isCtcss(tx)) {
            txPart = QStringLiteral("Tone");
            t.rTone = hz(tx);
        } else if (isDcs(tx)) {
            txPart = QStringLiteral("DTCS");
            t.dtcs = dcs(tx);
        }
        if (isCtcss(rx)) {
            rxPart = QStringLiteral("Tone");
            t.cTone = hz(rx);
        } else if (isDcs(rx)) {
            rxPart = QStringLiteral("DTCS");
            t.rxDtcs = dcs(rx);
        }
        t.cross = txPart + QStringLiteral("->") + rxPart;
    }
    return t;
}

bool inRange(int v, int count) { return v >= 0 && v < count; }

// Low, Medium, High.
constexpr double kNominalWatts[] = {1.0, 4.0, 10.0};
constexpr double kChirpDefaultWatts = 50.0;   // CHIRP's power of a memory whose power was never set

const QString kCrossMode = QStringLiteral("CrossMode");
const QString kRxDtcsCode = QStringLiteral("RxDtcsCode");

QString lower(const char *name) { return QString::fromLatin1(name).toLower(); }

// The program's settings of a marked Comment cell: "[tarven2: Public=On; TSQ=Off] any text".
// Names are the table's field names and the CHIRP columns older files lack.
bool readMarkedComment(const QString &comment, QHash<QString, QString> *settings, QStringList *reasons)
{
    const QString text = comment.trimmed();
    if (!text.startsWith(kChirpCommentMark))
        return true;   // the user's own text
    const int close = int(text.indexOf(QLatin1Char(']')));
    if (close < 0) {
        *reasons << LangText(30711);
        return false;
    }
    bool ok = true;
    const QString inner = text.mid(kChirpCommentMark.size(), close - kChirpCommentMark.size());
    for (const QString &part : inner.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        const int eq = int(part.indexOf(QLatin1Char('=')));
        const QString name = eq > 0 ? part.left(eq).trimmed() : part.trimmed();
        const int field = FieldIndexByName(name);
        const bool known = field > int(ChannelField::Frequency) || name.compare(kCrossMode, Qt::CaseInsensitive) == 0
                           || name.compare(kRxDtcsCode, Qt::CaseInsensitive) == 0;
        if (eq <= 0 || !known) {
            *reasons << LangText(30704).arg(CellInMessage(part.trimmed()));
            ok = false;
            continue;
        }
        settings->insert(field >= 0 ? FieldName(ChannelField(field)) : name.toLower(), part.mid(eq + 1).trimmed());
    }
    return ok;
}

// One CHIRP row with the defaults CHIRP gives the columns a file lacks.
struct ChirpCells {
    const QHash<QString, QString> &row;
    QHash<QString, QString> marked;    // the program's settings from Comment

    bool has(const char *name) const { return row.contains(lower(name)); }
    QString raw(const char *name) const { return DecimalText(row.value(lower(name))); }
    // The file's cell; CHIRP's default when the file lacks the column or leaves it empty.
    QString value(const char *name, const QString &fallback) const
    {
        const QString v = raw(name);
        return v.isEmpty() ? fallback : v;
    }
    // For the columns older CHIRP lacks, the copy the program wrote into Comment comes
    // before CHIRP's default.
    QString newerColumn(const char *name, const QString &fallback) const
    {
        return has(name) ? value(name, fallback) : marked.value(lower(name), fallback);
    }
};

QString dcsWord(const QString &code, bool *ok)
{
    bool number = false;
    const int n = code.toInt(&number);
    *ok = number && n >= 0 && n <= 777;
    return QStringLiteral("D%1N").arg(n, 3, 10, QLatin1Char('0'));
}

// The receive and transmit tone cells of a CHIRP row; a tone this radio does not have
// adds its reason.
void tonesOf(const ChirpCells &c, QString *rx, QString *tx, QStringList *reasons)
{
    const QString mode = c.raw("Tone");
    // A file with only one of the two tone columns uses it for both, as CHIRP does.
    QString rTone = c.value("rToneFreq", kDefaultTone), cTone = c.value("cToneFreq", kDefaultTone);
    if (c.has("rToneFreq") && !c.has("cToneFreq"))
        cTone = rTone;
    else if (c.has("cToneFreq") && !c.has("rToneFreq"))
        rTone = cTone;
    const QString polarity = c.value("DtcsPolarity", QStringLiteral("NN")).toUpper();
    static const QRegularExpression polarityWords(QStringLiteral("^[NR][NR]$"));
    if (!polarityWords.match(polarity).hasMatch()) {
        *reasons << LangText(30225).arg(QStringLiteral("DtcsPolarity"), CellInMessage(polarity));
        return;
    }
    auto dcs = [&](const QString &code, int side, QString *out) {
        bool ok = false;
        *out = dcsWord(code, &ok);
        if (!ok)
            *reasons << LangText(30225).arg(QStringLiteral("DtcsCode"), CellInMessage(code));
        else if (polarity.at(side) != QLatin1Char('N'))
            *reasons << LangText(30243);
    };
    const QString code = c.value("DtcsCode", kDefaultDcs);
    *rx = *tx = QStringLiteral("Off");
    if (mode.isEmpty())
        return;
    if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        *tx = rTone;
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        *rx = *tx = cTone;
    } else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        dcs(code, 0, tx);
        if (polarity.at(1) == QLatin1Char('N'))
            *rx = *tx;
        else
            *reasons << LangText(30243);
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        const QString cross = c.newerColumn("CrossMode", QStringLiteral("Tone->Tone"));
        const QString rxCode = c.newerColumn("RxDtcsCode", kDefaultDcs);
        const int arrow = int(cross.indexOf(QLatin1String("->")));
        const QString txPart = cross.left(arrow).trimmed(), rxPart = cross.mid(arrow + 2).trimmed();
        auto known = [](const QString &part) {
            return part.isEmpty() || part.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0
                   || part.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0;
        };
        if (arrow < 0 || !known(txPart) || !known(rxPart)) {
            *reasons << LangText(30225).arg(kCrossMode, CellInMessage(cross));
            return;
        }
        if (txPart.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
            *tx = rTone;
        else if (!txPart.isEmpty())
            dcs(code, 0, tx);
        if (rxPart.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
            *rx = cTone;
        else if (!rxPart.isEmpty())
            dcs(rxCode, 1, rx);
    } else {
        *reasons << LangText(30710).arg(CellInMessage(mode));
    }
}

// A frequency cell in MHz, also with a " MHz" or " kHz" suffix, as MHz text.
QString mhzText(const QString &cell)
{
    QString t = cell.trimmed();
    if (t.endsWith(QLatin1String(" MHz"), Qt::CaseInsensitive))
        return t.chopped(4).trimmed();
    if (t.endsWith(QLatin1String(" kHz"), Qt::CaseInsensitive)) {
        t = t.chopped(4).trimmed();
        return IsNumericText(t) ? QString::number(NumericValue(t) / 1000.0, 'f', 6) : cell;
    }
    return t;
}

// A number of MHz as whole kHz; false when it is no number or not whole kHz.
bool wholeKhz(const QString &mhz, qint64 *khz)
{
    const QString t = mhzText(mhz);
    if (!IsNumericText(t))
        return false;
    const double v = NumericValue(t) * 1000.0;
    *khz = qRound64(v);
    return std::fabs(v - double(*khz)) < 1e-6;
}

QString wattsText(int level)
{
    return QString::number(NominalWatts(level)) + QLatin1Char('W');
}
}

const QString kChirpCommentMark = QStringLiteral("[tarven2:");

QStringList ChirpHeader()
{
    return kChirpColumns;
}

HeaderFormat TableHeaderFormat(const QStringList &header, QStringList *chirpOnly, QStringList *tarvenOnly)
{
    static const QStringList shared{QStringLiteral("Location"), QStringLiteral("Frequency"), QStringLiteral("Duplex"),
                                    QStringLiteral("Offset"), QStringLiteral("Mode"), QStringLiteral("Power")};
    QStringList chirp, tarven;
    bool any = false;
    for (const QString &h : header) {
        const QString word = h.trimmed();
        if (shared.contains(word, Qt::CaseInsensitive)) {
            any = true;
        } else if (kChirpColumns.contains(word, Qt::CaseInsensitive)) {
            chirp << word;
        } else if (FieldIndexByName(word) >= 0) {
            tarven << word;
        }
    }
    if (chirpOnly)
        *chirpOnly = chirp;
    if (tarvenOnly)
        *tarvenOnly = tarven;
    if (!chirp.isEmpty() && !tarven.isEmpty())
        return HeaderFormat::Mixed;
    if (!chirp.isEmpty())
        return HeaderFormat::Chirp;
    return !tarven.isEmpty() || any ? HeaderFormat::Tarven : HeaderFormat::None;
}

bool IsChirpHeader(const QStringList &header)
{
    return TableHeaderFormat(header) == HeaderFormat::Chirp;
}

double NominalWatts(int level)
{
    return kNominalWatts[qBound(0, level, 2)];
}

int PowerLevelOfWatts(double watts, bool am)
{
    const int levels = am ? 2 : 3;
    if (watts <= 0)
        return 0;
    int best = 0;
    for (int level = 1; level < levels; ++level) {
        if (std::fabs(std::log(watts / kNominalWatts[level])) < std::fabs(std::log(watts / kNominalWatts[best])))
            best = level;
    }
    return best;
}

bool ParseWatts(const QString &text, double *watts)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d+(\\.\\d*)?|\\.\\d+)\\s*([wW])?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    *watts = m.captured(1).toDouble();
    return true;
}

QStringList ChirpRow(const ChannelRecord &c, int band)
{
    QStringList comment;
    const QString freq = FieldText(ChannelField::Frequency, c, band);
    QString duplex;
    if (c.DUP == 1)
        duplex = QStringLiteral("+");
    else if (c.DUP == 2)
        duplex = QStringLiteral("-");
    else if (c.DUP != 0)
        comment << QStringLiteral("Duplex=%1").arg(c.DUP);
    ToneColumns tones;
    if (inRange(c.RDCT, kToneListSize) && inRange(c.TDCT, kToneListSize)) {
        tones = toneColumns(c.RDCT, c.TDCT);
    } else {
        comment << QStringLiteral("RxTone=") + FieldText(ChannelField::RxTone, c, band)
                << QStringLiteral("TxTone=") + FieldText(ChannelField::TxTone, c, band);
    }
    const QString mode = FieldText(ChannelField::Mode, c, band);
    if (!inRange(c.AM_FM, 2))
        comment << QStringLiteral("Mode=") + mode;
    if (!inRange(c.Scan, 2))
        comment << QStringLiteral("Scan=") + FieldText(ChannelField::Scan, c, band);
    for (ChannelField f : kCommentFields)
        comment << FieldName(f) + QLatin1Char('=') + FieldText(f, c, band);
    // Copies for CHIRP releases without the Power, CrossMode and RxDtcsCode columns;
    // read back only from a file that lacks the column.
    comment << QStringLiteral("Power=") + FieldText(ChannelField::Power, c, band);
    if (tones.mode == QLatin1String("Cross"))
        comment << kCrossMode + QLatin1Char('=') + tones.cross << kRxDtcsCode + QLatin1Char('=') + tones.rxDtcs;

    const QString chirpFreq = IsNumericText(freq) ? QString::number(NumericValue(freq), 'f', 6) : freq;
    return {QString::number(c.number),
            ChannelLabel(c.number, band),
            chirpFreq,
            duplex,
            QString::number(c.OffSetFre / 1000.0, 'f', 6),
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.dtcs,
            QStringLiteral("NN"),
            tones.rxDtcs,
            tones.cross,
            inRange(c.AM_FM, 2) ? mode : QStringLiteral("FM"),
            QStringLiteral("5.00"),
            c.Scan == 0 ? QStringLiteral("S") : QString(),
            wattsText(inRange(c.Tx_Power, 3) ? c.Tx_Power : 2),
            kChirpCommentMark + QLatin1Char(' ') + comment.join(QStringLiteral("; ")) + QLatin1Char(']'),
            QString(), QString(), QString(), QString()};
}

void ChirpToTableCells(const QHash<QString, QString> &row, QHash<QString, QString> *cells, QStringList *reasons,
                       int band)
{
    ChirpCells c{row, {}};
    readMarkedComment(row.value(QStringLiteral("comment")), &c.marked, reasons);
    auto put = [&](ChannelField f, const QString &v) { cells->insert(FieldName(f), v); };

    if (c.has("Location"))
        put(ChannelField::Location, c.raw("Location"));
    const QString freq = mhzText(c.raw("Frequency"));
    if (c.has("Frequency"))
        put(ChannelField::Frequency, freq);

    const QString duplex = c.value("Duplex", QString()).toLower();
    const QString offset = c.value("Offset", QStringLiteral("0.600000"));
    qint64 khz = 0;
    if (duplex == QLatin1String("off")) {
        *reasons << LangText(30244);
    } else if (duplex == QLatin1String("split")) {
        // Offset holds the transmit frequency; the radio keeps a direction and a distance.
        qint64 rx = 0, tx = 0;
        if (!wholeKhz(offset, &tx) || !wholeKhz(freq, &rx)) {
            *reasons << LangText(30225).arg(QStringLiteral("Offset"), CellInMessage(offset));
        } else {
            put(ChannelField::Duplex, tx > rx ? QStringLiteral("+") : tx < rx ? QStringLiteral("-") : QStringLiteral("Off"));
            if (tx != rx)
                put(ChannelField::Offset, QString::number(qAbs(tx - rx)));
        }
    } else if (duplex.isEmpty() || duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
        put(ChannelField::Duplex, duplex.isEmpty() ? QStringLiteral("Off") : duplex);
        const bool valid = wholeKhz(offset, &khz);
        if (!duplex.isEmpty() && !valid)
            *reasons << LangText(30225).arg(QStringLiteral("Offset"), CellInMessage(offset));
        // Without a direction the offset is not used: a valid one is kept (CB channels
        // have none to keep), anything else leaves the channel's own.
        else if (valid && (!duplex.isEmpty() || (khz != 0 && band != 0)))
            put(ChannelField::Offset, QString::number(khz));
    } else {
        *reasons << LangText(30225).arg(QStringLiteral("Duplex"), CellInMessage(duplex));
    }

    QString rx, tx;
    tonesOf(c, &rx, &tx, reasons);
    if (!rx.isEmpty()) {
        put(ChannelField::RxTone, rx);
        put(ChannelField::TxTone, tx);
    }

    const QString mode = c.value("Mode", QStringLiteral("FM")).toUpper();
    bool am = false;
    if (mode == QLatin1String("FM") || mode == QLatin1String("NFM")) {
        put(ChannelField::Mode, QStringLiteral("FM"));
    } else if (mode == QLatin1String("AM") || mode == QLatin1String("NAM")) {
        put(ChannelField::Mode, QStringLiteral("AM"));
        am = true;
    } else {
        *reasons << LangText(30245).arg(CellInMessage(mode));
    }

    const QString skip = c.raw("Skip").toUpper();
    if (skip.isEmpty() || skip == QLatin1String("P"))   // "P": a priority channel, scanned
        put(ChannelField::Scan, QStringLiteral("Add"));
    else if (skip == QLatin1String("S"))
        put(ChannelField::Scan, QStringLiteral("Del"));
    else
        *reasons << LangText(30225).arg(QStringLiteral("Skip"), CellInMessage(skip));

    if (band != 0) {
        if (!c.raw("Power").isEmpty()) {
            double watts = 0;
            if (ParseWatts(c.raw("Power"), &watts))
                put(ChannelField::Power, ChannelPowerWord(PowerLevelOfWatts(watts, am)));
            else
                *reasons << LangText(30705).arg(CellInMessage(c.raw("Power")));
        } else if (c.marked.contains(FieldName(ChannelField::Power))) {
            put(ChannelField::Power, c.marked.value(FieldName(ChannelField::Power)));
        } else {
            put(ChannelField::Power, ChannelPowerWord(PowerLevelOfWatts(kChirpDefaultWatts, am)));
        }
    }

    // The program's own settings; those with a CHIRP column are written there only for a
    // value the column cannot hold.
    for (auto it = c.marked.cbegin(); it != c.marked.cend(); ++it) {
        const int field = FieldIndexByName(it.key());
        if (field > int(ChannelField::Frequency) && field != int(ChannelField::Power))
            cells->insert(it.key(), it.value());
    }
}
