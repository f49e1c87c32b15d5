#include "StockLists.h"

#include "ChannelGroup.h"
#include "CsvTable.h"
#include "LangText.h"
#include "RunSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kCbPlanPrefix = QStringLiteral("cb-plan-");

// Language texts of the 10 m lists, by file name.
int titleIdOf(const QString &baseName)
{
    static const QList<QPair<QString, int>> ids{
        {QStringLiteral("10m-fm-calling-simplex"), 30741},
        {QStringLiteral("10m-fm-repeaters-iaru-r1"), 30742},
        {QStringLiteral("10m-fm-repeaters-arrl"), 30743},
        {QStringLiteral("10m-am-calling"), 30744},
    };
    for (const auto &id : ids) {
        if (id.first == baseName)
            return id.second;
    }
    return 0;
}

// The place of a CB plan in the order of the CB groups; after them the others.
int orderOf(const QString &baseName)
{
    if (!baseName.startsWith(kCbPlanPrefix))
        return 100;
    const int group = GroupIndexByName(baseName.mid(kCbPlanPrefix.size()), 0);
    return group < 0 ? 99 : group;
}
}

QString StockListDir()
{
    return ProgramDir() + QStringLiteral("/stock");
}

QList<StockList> StockListsIn(const QString &dir)
{
    QFileInfoList files = QDir(dir).entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return orderOf(a.completeBaseName()) < orderOf(b.completeBaseName());
    });
    QList<StockList> lists;
    for (const QFileInfo &info : std::as_const(files)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(kCsvMaxBytes);
        QStringList sources;
        QString firstComment;
        int rows = -1;   // the header is no row
        for (const QByteArray &raw : bytes.split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("# Source:")))
                sources << line.mid(9).trimmed();
            else if (line.startsWith(QLatin1Char('#')) && firstComment.isEmpty())
                firstComment = line.mid(1).trimmed();
            else if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                ++rows;
        }
        const QString base = info.completeBaseName();
        StockList list{info.filePath(), QString(), sources.join(QLatin1Char(' ')), base.startsWith(kCbPlanPrefix)};
        if (list.numbered)
            list.title = LangText(30740).arg(base.mid(kCbPlanPrefix.size())).arg(qMax(rows, 0));
        else if (const int id = titleIdOf(base); id != 0)
            list.title = LangText(id);
        if (list.title.isEmpty())
            list.title = firstComment.isEmpty() ? base : firstComment;
        lists << list;
    }
    return lists;
}
