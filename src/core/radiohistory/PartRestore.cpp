#include "PartRestore.h"

#include "RadioImage.h"

namespace PartRestore {

namespace {
// The part a difference belongs to, from its stable key.
QString partOf(const QString &key)
{
    const QStringList k = key.split(QLatin1Char('/'));
    const QString head = k.value(0);
    if ((head == QLatin1String("channel") || head == QLatin1String("group") || head == QLatin1String("tip"))
        && k.size() > 1)
        return head + QLatin1Char('/') + k.at(1);
    if (head == QLatin1String("option"))
        return QStringLiteral("options");
    if (head == QLatin1String("dtmf") && k.value(1) == QLatin1String("code") && k.size() > 2)
        return QStringLiteral("dtmfcode/") + k.at(2);
    if (head == QLatin1String("dtmf"))
        return QStringLiteral("dtmf");
    if (head == QLatin1String("keys") || head == QLatin1String("common"))
        return head;
    return QString();   // the model and band are not taken from an entry
}

int numberOf(const QString &id)
{
    bool ok = false;
    const int n = id.section(QLatin1Char('/'), 1, 1).toInt(&ok);
    return ok ? n : -1;
}

void takeChannel(RadioImage &doc, const RadioImage &entry, int number)
{
    const ChannelRecord *from = entry.channel(number);
    const int slot = doc.findChannel(number);
    if (!from) {
        if (slot >= 0)
            doc.removeChannel(slot);
        return;
    }
    if (slot < 0 && !doc.addChannel(number, from->freqText()))
        return;   // the list is full
    *doc.channel(number) = *from;
}

void takeGroup(OptionBlock &doc, const OptionBlock &entry, int g)
{
    if (g < 0 || g >= kGroupFlags)
        return;
    doc.groupEnabled[g] = entry.groupEnabled[g];
    doc.groupCurrent[g] = entry.groupCurrent[g];
    doc.groupValueA[g] = entry.groupValueA[g];
    doc.groupValueB[g] = entry.groupValueB[g];
    doc.groupModA[g] = entry.groupModA[g];
    doc.groupModB[g] = entry.groupModB[g];
}
} // namespace

QList<Part> PartsThatDiffer(const RadioImage &document, const RadioImage &entry)
{
    QList<Part> parts;
    if (document.header.model.bandMode != entry.header.model.bandMode)
        return parts;
    for (const Difference &d : CompareImages(document, entry, QString(), QString())) {
        const QString id = partOf(d.key);
        if (id.isEmpty())
            continue;
        auto it = std::find_if(parts.begin(), parts.end(), [&id](const Part &p) { return p.id == id; });
        if (it == parts.end()) {
            parts.append({id, d.place, {}});
            it = parts.end() - 1;
        }
        it->changes.append(d);
    }
    return parts;
}

void TakeParts(RadioImage &document, const RadioImage &entry, const QStringList &ids)
{
    if (document.header.model.bandMode != entry.header.model.bandMode)
        return;
    for (const QString &id : ids) {
        const int n = numberOf(id);
        if (id.startsWith(QLatin1String("channel/")) && n >= 0) {
            takeChannel(document, entry, n);
        } else if (id.startsWith(QLatin1String("group/"))) {
            takeGroup(document.header.options, entry.header.options, n);
        } else if (id.startsWith(QLatin1String("tip/")) && n >= 1 && n <= kToneTips) {
            document.header.tips[n - 1] = entry.header.tips[n - 1];
        } else if (id.startsWith(QLatin1String("dtmfcode/")) && n >= 1 && n <= kDtmfCodes) {
            document.header.dtmf.codes[n - 1] = entry.header.dtmf.codes[n - 1];
        } else if (id == QLatin1String("options")) {
            for (int option = 1; option <= 19; ++option)
                *document.header.options.option(option) = *entry.header.options.option(option);
            document.header.options.currentMemSlot = entry.header.options.currentMemSlot;
        } else if (id == QLatin1String("dtmf")) {
            for (int i = 0; i <= 5; ++i)
                *document.header.dtmf.setting(i) = *entry.header.dtmf.setting(i);
        } else if (id == QLatin1String("keys")) {
            document.header.keys = entry.header.keys;
        } else if (id == QLatin1String("common")) {
            document.header.common = entry.header.common;
        }
    }
}

} // namespace PartRestore
