#include "ChannelBulkEdit.h"

#include "ChannelCsvFields.h"
#include "ChannelRowApply.h"
#include "ChannelViews.h"
#include "LangText.h"
#include "Prompts.h"
#include "RadioImage.h"

namespace {
// Messages the core would show while a channel is stored become its refusal instead.
class CollectingPrompts : public Prompts {
public:
    void message(const QString &text, MsgIcon) override { messages << text; }
    Answer ask(const QString &, AskButtons, MsgIcon) override { return Answer::Cancel; }
    void endProgram() override {}
    QStringList messages;
};

QString labelOf(int number, int band)
{
    const QString label = ChannelLabel(number, band);
    return label.isEmpty() ? QString::number(number) : label;
}
}

QString BulkEditOutcome::refusalReport(int band) const
{
    QStringList lines;
    for (int i = 0; i < refusals.size() && i < kListedRefusals; ++i)
        lines << LangText(31000).arg(labelOf(refusals.at(i).number, band), refusals.at(i).reason);
    if (refusals.size() > kListedRefusals)
        lines << LangText(30209).arg(refusals.size() - kListedRefusals);
    return lines.join(QLatin1Char('\n'));
}

BulkEditOutcome ApplyChannelSettings(const QHash<QString, QString> &cells, const QList<int> &numbers,
                                     RefusedChannels refused)
{
    BulkEditOutcome out;
    const RadioImage before = Image();
    // The windows are refreshed once at the end rather than once for every cell.
    const ChannelViewHooks views = ChannelViews();
    ChannelViews() = ChannelViewHooks{};
    Prompts *shown = &prompts();
    CollectingPrompts collector;
    setPrompts(&collector);

    // A refused channel may have been partly stored: each one starts from a copy of
    // the image taken just before it, kept only while the channel's row is stored.
    RadioImage lastGood = before;
    for (int number : numbers) {
        QString reason = ApplyChannelRow(cells, number);
        if (reason.isEmpty() && !collector.messages.isEmpty())
            reason = collector.messages.join(QLatin1Char(' '));
        collector.messages.clear();
        if (reason.isEmpty()) {
            ++out.stored;
            if (refused == RefusedChannels::ApplyToOthers)
                lastGood = Image();
            continue;
        }
        out.refusals << ChannelRefusal{number, reason};
        if (refused == RefusedChannels::ApplyToOthers)
            Image() = lastGood;
    }
    if (!out.refusals.isEmpty() && refused == RefusedChannels::CancelAll) {
        Image() = before;
        out.stored = 0;
    }
    out.applied = out.stored > 0 && (out.refusals.isEmpty() || refused == RefusedChannels::ApplyToOthers);

    setPrompts(shown);
    ChannelViews() = views;
    if (views.showGridRow) {
        for (int n : numbers)
            views.showGridRow(n);
    }
    if (views.reshowGroupSettings)
        views.reshowGroupSettings();
    if (views.refreshEditDialog)
        views.refreshEditDialog();
    return out;
}
