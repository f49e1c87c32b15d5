#include "DocumentPrintout.h"

#include "ChannelCsvFields.h"
#include "ChannelGroup.h"
#include "DtmfSettingsTable.h"
#include "FreqCodec.h"
#include "KeyFunctionList.h"
#include "LangText.h"
#include "ModFun.h"
#include "Models.h"
#include "OptFeatureTable.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SaveTarget.h"
#include "ToneTipLists.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {
// Channel columns: caption and the field shown.
struct ChannelColumn {
    int captionId;
    ChannelField field;
};
const ChannelColumn kChannelColumns[] = {
    {14001, ChannelField::Location}, {14002, ChannelField::Frequency}, {15013, ChannelField::Mode},
    {15014, ChannelField::Power}, {15006, ChannelField::Duplex}, {15100, ChannelField::Offset},
    {15019, ChannelField::RxTone}, {15020, ChannelField::TxTone}, {15005, ChannelField::Public},
    {15008, ChannelField::Scan}, {15007, ChannelField::Tsq}, {15010, ChannelField::BusyLock},
    {15009, ChannelField::HiCut}, {15011, ChannelField::Nb}, {15012, ChannelField::Shift5k},
    {15015, ChannelField::RogerBeep}, {15016, ChannelField::DtmfBot}, {15017, ChannelField::DtmfEot},
    {15018, ChannelField::DtmfCall},
};

QString esc(const QString &s)
{
    return s.toHtmlEscaped();
}

QString pick(const QStringList &entries, int value)
{
    return value >= 0 && value < entries.size() ? entries.at(value) : QString::number(value);
}

// A channel value as the windows show it in the current language.
QString shownValue(ChannelField f, const ChannelRecord &c, int group, int band)
{
    switch (f) {
    case ChannelField::Location: return QString::number(c.number - GroupStart(group, band));
    case ChannelField::Power: return pick(PowerEntries(0), c.Tx_Power);
    case ChannelField::RogerBeep: return c.RBTone == 0 ? LangText(15030) : QString::number(c.RBTone);
    case ChannelField::DtmfBot:
    case ChannelField::DtmfEot:
    case ChannelField::DtmfCall: {
        const int v = *c.fieldByColumn(ColumnOfField(f));
        return v == 0 ? LangText(14013) : QString::number(v);
    }
    default: return FieldText(f, c, band);
    }
}

QString settingsTable(const QList<QPair<QString, QString>> &rows)
{
    QString html = QStringLiteral("<table class='settings' cellspacing='0' cellpadding='3'><tr><th>%1</th><th>%2</th></tr>")
                       .arg(esc(LangText(30265)), esc(LangText(30266)));
    for (const auto &r : rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(esc(r.first), esc(r.second));
    return html + QStringLiteral("</table>");
}

QString channelsHtml(const RadioImage &img, int band)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(esc(LangText(30260)));
    for (int g = 0; g < GroupCount(band); ++g) {
        QList<const ChannelRecord *> members;
        for (int s = 0; s < img.count(); ++s) {
            if (IsInGroup(img.at(s).number, g, band))
                members << &img.at(s);
        }
        if (members.isEmpty())
            continue;
        std::sort(members.begin(), members.end(), [](auto *a, auto *b) { return a->number < b->number; });
        html += QStringLiteral("<h3>%1 %2</h3><table class='channels' width='100%' cellspacing='0' cellpadding='2'><tr>")
                    .arg(esc(LangText(15029)), esc(GroupName(g, band)));
        // Number, frequency and modulation keep their captions on one line; the rest may wrap.
        for (const ChannelColumn &col : kChannelColumns) {
            const bool keep = col.field <= ChannelField::Mode;
            html += (keep ? QStringLiteral("<th style='white-space: nowrap'>%1</th>") : QStringLiteral("<th>%1</th>")).arg(esc(LangText(col.captionId)));
        }
        html += QStringLiteral("</tr>");
        for (const ChannelRecord *c : std::as_const(members)) {
            html += QStringLiteral("<tr>");
            for (const ChannelColumn &col : kChannelColumns)
                html += QStringLiteral("<td>%1</td>").arg(esc(shownValue(col.field, *c, g, band)));
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

QString optionsHtml(const RadioImage &img, int band)
{
    QList<QPair<QString, QString>> rows;
    OptionBlock options = img.header.options;
    for (int i = 0; i < kOptionSelectors; ++i) {
        const OptionSelector sel = OptionSelectorAt(i, band);
        const int16_t v = OptionField(options, i);
        rows << qMakePair(LangText(OptionCaptionId(i)), sel.storesNumber ? QString::number(v) : pick(sel.entries, v));
    }
    rows << qMakePair(LangText(15600), pick(OffOnEntries(), options.MaxSWROn) + QStringLiteral(" (")
                                           + QString::number(options.MaxSWR / 10.0, 'f', 1) + QLatin1Char(')'));
    return QStringLiteral("<h3>%1</h3>").arg(esc(LangText(16100))) + settingsTable(rows);
}

QString commonHtml(const RadioImage &img, int band)
{
    const ChannelRecord &c = img.header.common;
    const ChannelField fields[] = {ChannelField::Offset, ChannelField::TxTone, ChannelField::Duplex, ChannelField::HiCut,
                                   ChannelField::BusyLock, ChannelField::Nb, ChannelField::Mode, ChannelField::Power,
                                   ChannelField::RogerBeep, ChannelField::DtmfBot, ChannelField::DtmfEot, ChannelField::DtmfCall};
    QList<QPair<QString, QString>> rows;
    for (ChannelField f : fields) {
        for (const ChannelColumn &col : kChannelColumns) {
            if (col.field == f)
                rows << qMakePair(LangText(col.captionId), shownValue(f, c, 0, band));
        }
    }
    return QStringLiteral("<h3>%1</h3>").arg(esc(LangText(16101))) + settingsTable(rows);
}

QString keysHtml(const RadioImage &img)
{
    const KeyBlock &k = img.header.keys;
    QList<QPair<QString, QString>> rows{qMakePair(LangText(25007), pick(KeyModeSetEntries(), k.KeyModeSet))};
    const QStringList functions = KeyFunctionEntries();
    for (int m = 0; m < kKeyModes; ++m) {
        QStringList keys;
        for (int key = 0; key < kKeysPerMode; ++key)
            keys << QStringLiteral("P%1=%2").arg(key + 1).arg(pick(functions, k.KeyFunc[m * kKeysPerMode + key] - 1));
        rows << qMakePair(LangText(25008) + QLatin1Char(' ') + QString::number(m + 1), keys.join(QStringLiteral("  ")));
    }
    return QStringLiteral("<h3>%1</h3>").arg(esc(LangText(25000))) + settingsTable(rows);
}

QString dtmfHtml(const RadioImage &img)
{
    const DtmfBlock &d = img.header.dtmf;
    QList<QPair<QString, QString>> rows;
    for (int i = 0; i < kDtmfTimingSelectors; ++i)
        rows << qMakePair(LangText(DtmfSelectorCaptionId(i)), QString::number(*d.setting(i) * DtmfSelectorUnitMs(i)));
    rows << qMakePair(LangText(DtmfSelectorCaptionId(kDtmfDKeySelector)), pick(DtmfSelectorEntries(kDtmfDKeySelector), d.DKey));
    rows << qMakePair(LangText(18030), pick(OffOnEntries(), d.DtmfDisplay));
    for (int k = 0; k < kDtmfCodes; ++k) {
        const DtmfCode &code = d.codes[k];
        if (code.length > 0)
            rows << qMakePair(QString::number(k + 1), DigitsToDtmfText(code.digitsText().left(qBound(0, int(code.length), kDtmfDigits))));
    }
    return QStringLiteral("<h3>%1</h3>").arg(esc(LangText(18000))) + settingsTable(rows);
}

QString toneTipsHtml(const RadioImage &img)
{
    const QStringList freqText = FrequencyValueEntries();
    QString html = QStringLiteral("<h3>%1</h3><table class='settings' cellspacing='0' cellpadding='3'><tr><th>%2</th><th>%3</th><th>%4</th><th>%5</th></tr>")
                       .arg(esc(LangText(29000)), esc(LangText(29001)), esc(LangText(29002)), esc(LangText(29003)),
                            esc(LangText(30271)));
    for (int t = 0; t < kToneTips; ++t) {
        const ToneTip &tip = img.header.tips[t];
        QStringList steps;
        for (const ToneStep &s : tip.steps) {
            if (s.ToneLen > 0)
                steps << pick(freqText, s.ToneFreq) + QLatin1Char('/') + QString::number(s.ToneLen * 10);
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(t + 1)
                    .arg(tip.LoopCount < 1 ? esc(LangText(29200)) : QString::number(tip.LoopCount))
                    .arg(tip.LoopInterval * 10)
                    .arg(esc(steps.join(QStringLiteral(", "))));
    }
    return html + QStringLiteral("</table>");
}

QString pageHeader()
{
    return QStringLiteral("%1  %2 (%3)    %4: %5    %6")
        .arg(DisplayModelName(Run().modelName), BandName(Run().BandMode), Run().bandText, LangText(30264),
             FileNameOf(Doc().DocumentPath),
             LangText(30263).arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
}
}

QString PrintoutHtml()
{
    const RadioImage &img = Image();
    const int band = Run().BandMode;
    return QStringLiteral("<html><head><style>"
                          "h2 { font-size: 13pt; margin-top: 8px; } h3 { font-size: 10pt; margin-top: 6px; margin-bottom: 2px; }"
                          "table { border-collapse: collapse; } th { background-color: #dcdcf0; }"
                          "th, td { border: 1px solid #808080; font-size: 7pt; }"
                          "</style></head><body>")
           + channelsHtml(img, band) + QStringLiteral("<h2>%1</h2>").arg(esc(LangText(30261))) + optionsHtml(img, band)
           + commonHtml(img, band) + keysHtml(img) + dtmfHtml(img) + toneTipsHtml(img) + QStringLiteral("</body></html>");
}

bool PaintPrintout(QPagedPaintDevice *device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const QRectF page = painter.viewport();
    const QFontMetricsF metrics(painter.font(), device);
    const double band = metrics.height() * 2;   // room for the header and the page number
    const QRectF body(0, band, page.width(), page.height() - 2 * band);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(device);
    doc.setHtml(PrintoutHtml());
    doc.setPageSize(body.size());
    const int pages = doc.pageCount();
    const QString header = pageHeader();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device->newPage();
        painter.save();
        painter.drawText(QRectF(0, 0, page.width(), band), Qt::AlignLeft | Qt::AlignVCenter, header);
        painter.drawLine(QPointF(0, band * 0.9), QPointF(page.width(), band * 0.9));
        painter.translate(0, band - p * body.height());
        doc.drawContents(&painter, QRectF(0, p * body.height(), body.width(), body.height()));
        painter.restore();
        painter.drawText(QRectF(0, page.height() - band, page.width(), band), Qt::AlignRight | Qt::AlignVCenter,
                         LangText(30262).arg(p + 1).arg(pages));
    }
    return painter.end();
}

bool WritePrintoutPdf(const QString &path, QString *error)
{
    // The pages are made in memory and written as every file is: never over the
    // document's own file, a device or a pipe, and never half a file.
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pages);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(DisplayModelName(Run().modelName) + QLatin1Char(' ') + FileNameOf(Doc().DocumentPath));
        if (!PaintPrintout(&writer))
            return false;
    }
    const QStringList document = Doc().Untitled ? QStringList() : QStringList{Doc().DocumentPath};
    return SaveFileBytes(path, pages.data(), document, error);
}
