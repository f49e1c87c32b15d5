#include "CliDiff.h"

#include "CliUsage.h"
#include "ImageDiff.h"
#include "RadioImage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <utility>

namespace {
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

QJsonObject differenceJson(const Difference &d)
{
    QJsonObject o;
    o[QStringLiteral("key")] = d.key;
    o[QStringLiteral("place")] = d.place;
    o[QStringLiteral("setting")] = d.setting;
    o[QStringLiteral("before")] = d.before;
    o[QStringLiteral("after")] = d.after;
    o[QStringLiteral("text")] = d.text();
    return o;
}
} // namespace

int runDiffCommand(const QStringList &args)
{
    const QStringList files = positionalArgs(args);
    if (files.size() != 2)
        return usageError(QStringLiteral("diff needs two files: A.dat B.dat"));
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--")) && a != QLatin1String("--json"))
            return usageError(QStringLiteral("diff: unknown option %1").arg(a));
    }
    return diffFiles(files.at(0), files.at(1), args.contains(QStringLiteral("--json")));
}

int diffFiles(const QString &pathA, const QString &pathB, bool json)
{
    RadioImage a, b;
    for (const auto &[path, img] : {std::pair{pathA, &a}, std::pair{pathB, &b}}) {
        QString reason;
        if (!ReadComparable(path, *img, &reason)) {
            std::fprintf(stderr, "tarven-cli: %s: %s\n", qPrintable(path), qPrintable(reason));
            return kTrouble;
        }
    }
    QString nameA = QFileInfo(pathA).fileName(), nameB = QFileInfo(pathB).fileName();
    if (nameA == nameB) {
        nameA = pathA;
        nameB = pathB;
    }
    const QList<Difference> differences = CompareImages(a, b, nameA, nameB);
    if (json) {
        QJsonArray list;
        for (const Difference &d : differences)
            list.append(differenceJson(d));
        QJsonObject root;
        root[QStringLiteral("equal")] = differences.isEmpty();
        root[QStringLiteral("differences")] = list;
        std::printf("%s", QJsonDocument(root).toJson(QJsonDocument::Indented).constData());
    } else {
        for (const Difference &d : differences)
            std::printf("%s\n", d.text().toUtf8().constData());
    }
    return differences.isEmpty() ? 0 : kDifferent;
}
