#include "ChirpCsv.h"

#include "ChannelCsvFields.h"
#include "FreqCodec.h"
#include "LangText.h"
#include "RadioImage.h"

#include <cmath>

namespace {
const QStringList kChirpColumns{
    QStringLiteral("Location"), QStringLiteral("Name"), QStringLiteral("Frequency"), QStringLiteral("Duplex"),
    QStringLiteral("Offset"), QStringLiteral("Tone"), QStringLiteral("rToneFreq"), QStringLiteral("cToneFreq"),
    QStringLiteral("DtcsCode"), QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
    QStringLiteral("Mode"), QStringLiteral("TStep"), QStringLiteral("Skip"), QStringLiteral("Power"),
    QStringLiteral("Comment"), QStringLiteral("URCALL"), QStringLiteral("RPT1CALL"), QStringLiteral("RPT2CALL"),
    QStringLiteral("DVCODE")};

// Fields without a CHIRP column, carried in Comment.
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

QString cell(const QHash<QString, QString> &row, const QString &name)
{
    return DecimalText(row.value(name.toLower()));
}

QString ctcssWord(const QString &hzText) { return hzText; }
QString dcsWord(const QString &code) { return QStringLiteral("D") + code + QStringLiteral("N"); }

// The receive and transmit tone cells of a CHIRP row; false with a reason when the
// row uses a tone this radio does not have.
bool tonesOf(const QHash<QString, QString> &row, QString *rx, QString *tx, QString *reason)
{
    const QString mode = cell(row, QStringLiteral("Tone"));
    const QString polarity = cell(row, QStringLiteral("DtcsPolarity")).toUpper();
    const QString rTone = cell(row, QStringLiteral("rToneFreq"));
    const QString cTone = cell(row, QStringLiteral("cToneFreq"));
    const QString code = cell(row, QStringLiteral("DtcsCode"));
    const QString rxCode = cell(row, QStringLiteral("RxDtcsCode"));
    auto normal = [&](int which) { return polarity.size() < 2 || polarity.at(which) == QLatin1Char('N'); };
    const QString off = QStringLiteral("Off");
    *rx = *tx = off;
    if (mode.isEmpty())
        return true;
    if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        *tx = ctcssWord(rTone);
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        *rx = *tx = ctcssWord(cTone);
    } else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        if (!normal(0) || !normal(1)) {
            *reason = LangText(30243);
            return false;
        }
        *rx = *tx = dcsWord(code);
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        const QString cross = cell(row, QStringLiteral("CrossMode"));
        const int arrow = int(cross.indexOf(QLatin1String("->")));
        if (arrow < 0) {
            *reason = LangText(30225).arg(QStringLiteral("CrossMode"), cross);
            return false;
        }
        const QString txPart = cross.left(arrow).trimmed();
        const QString rxPart = cross.mid(arrow + 2).trimmed();
        auto pick = [&](const QString &part, const QString &toneHz, const QString &dcsCode, int which, QString *out) {
            if (part.isEmpty())
                return true;
            if (part.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
                *out = ctcssWord(toneHz);
                return true;
            }
            if (part.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
                if (!normal(which)) {
                    *reason = LangText(30243);
                    return false;
                }
                *out = dcsWord(dcsCode);
                return true;
            }
            *reason = LangText(30225).arg(QStringLiteral("CrossMode"), cross);
            return false;
        };
        if (!pick(txPart, rTone, code, 0, tx) || !pick(rxPart, cTone, rxCode, 1, rx))
            return false;
    } else {
        *reason = LangText(30225).arg(QStringLiteral("Tone"), mode);
        return false;
    }
    return true;
}

// A number of MHz as whole kHz; false when it is no number or not whole kHz.
bool wholeKhz(const QString &mhzText, qint64 *khz)
{
    if (!IsNumericText(mhzText))
        return false;
    const double v = NumericValue(mhzText) * 1000.0;
    *khz = qRound64(v);
    return std::fabs(v - double(*khz)) < 1e-6;
}
}

QStringList ChirpHeader()
{
    return kChirpColumns;
}

bool IsChirpHeader(const QStringList &header)
{
    int hits = 0;
    for (const QString &h : header) {
        for (const char *name : {"rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "CrossMode", "TStep", "Skip"}) {
            if (h.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                ++hits;
        }
    }
    return hits >= 2;
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
    const QString power = FieldText(ChannelField::Power, c, band);
    if (!inRange(c.AM_FM, 2))
        comment << QStringLiteral("Mode=") + mode;
    if (!inRange(c.Tx_Power, 3))
        comment << QStringLiteral("Power=") + power;
    if (!inRange(c.Scan, 2))
        comment << QStringLiteral("Scan=") + FieldText(ChannelField::Scan, c, band);
    for (ChannelField f : kCommentFields)
        comment << FieldName(f) + QLatin1Char('=') + FieldText(f, c, band);

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
            inRange(c.Tx_Power, 3) ? power : QString(),
            comment.join(QStringLiteral("; ")),
            QString(), QString(), QString(), QString()};
}

bool ChirpToTableCells(const QHash<QString, QString> &chirp, QHash<QString, QString> *cells, QString *reason)
{
    auto has = [&](const char *name) { return chirp.contains(QString::fromLatin1(name).toLower()); };
    auto put = [&](ChannelField f, const QString &v) { cells->insert(FieldName(f), v); };

    if (has("Location"))
        put(ChannelField::Location, cell(chirp, QStringLiteral("Location")));
    const QString freq = cell(chirp, QStringLiteral("Frequency"));
    if (has("Frequency"))
        put(ChannelField::Frequency, freq);

    if (has("Duplex")) {
        const QString duplex = cell(chirp, QStringLiteral("Duplex")).toLower();
        const QString offset = cell(chirp, QStringLiteral("Offset"));
        qint64 khz = 0;
        if (duplex == QLatin1String("off")) {
            *reason = LangText(30244);
            return false;
        }
        if (duplex == QLatin1String("split")) {
            // Offset holds the transmit frequency; the radio keeps a direction and a distance.
            qint64 rx = 0, tx = 0;
            if (!IsNumericText(freq) || !wholeKhz(offset, &tx) || !wholeKhz(freq, &rx)) {
                *reason = LangText(30225).arg(QStringLiteral("Offset"), offset);
                return false;
            }
            put(ChannelField::Duplex, tx > rx ? QStringLiteral("+") : tx < rx ? QStringLiteral("-") : QStringLiteral("Off"));
            if (tx != rx)
                put(ChannelField::Offset, QString::number(qAbs(tx - rx)));
        } else if (duplex.isEmpty() || duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
            put(ChannelField::Duplex, duplex.isEmpty() ? QStringLiteral("Off") : duplex);
            if (!offset.isEmpty()) {
                if (!wholeKhz(offset, &khz)) {
                    *reason = LangText(30225).arg(QStringLiteral("Offset"), offset);
                    return false;
                }
                // Without a direction a zero offset says nothing; the channel keeps its own.
                if (!(duplex.isEmpty() && khz == 0))
                    put(ChannelField::Offset, QString::number(khz));
            }
        } else {
            *reason = LangText(30225).arg(QStringLiteral("Duplex"), duplex);
            return false;
        }
    }

    if (has("Tone")) {
        QString rx, tx;
        if (!tonesOf(chirp, &rx, &tx, reason))
            return false;
        put(ChannelField::RxTone, rx);
        put(ChannelField::TxTone, tx);
    }
    if (has("Mode")) {
        const QString mode = cell(chirp, QStringLiteral("Mode")).toUpper();
        if (mode == QLatin1String("FM") || mode == QLatin1String("NFM"))
            put(ChannelField::Mode, QStringLiteral("FM"));
        else if (mode == QLatin1String("AM") || mode == QLatin1String("NAM"))
            put(ChannelField::Mode, QStringLiteral("AM"));
        else if (!mode.isEmpty()) {
            *reason = LangText(30245).arg(mode);
            return false;
        }
    }
    if (has("Skip"))
        put(ChannelField::Scan, cell(chirp, QStringLiteral("Skip")).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0
                                    ? QStringLiteral("Del") : QStringLiteral("Add"));
    if (has("Power") && !cell(chirp, QStringLiteral("Power")).isEmpty())
        put(ChannelField::Power, cell(chirp, QStringLiteral("Power")));

    // "Name=Value" pairs of Comment set the fields CHIRP has no column for.
    const QStringList parts = cell(chirp, QStringLiteral("Comment")).split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const int eq = int(part.indexOf(QLatin1Char('=')));
        if (eq <= 0)
            continue;
        const int field = FieldIndexByName(part.left(eq));
        if (field > int(ChannelField::Frequency))
            put(ChannelField(field), part.mid(eq + 1).trimmed());
    }
    return true;
}
