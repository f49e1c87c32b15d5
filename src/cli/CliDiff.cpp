#include "CliDiff.h"

#include "CliUsage.h"
#include "ControlChars.h"
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

// Values and file names come from the files: their control characters are shown as
// escapes, so a file cannot retitle or clear the terminal that shows the differences.
QJsonObject differenceJson(const Difference &d)
{
    QJsonObject o;
    o[QStringLiteral("key")] = d.key;
    o[QStringLiteral("place")] = EscapeControls(d.place);
    o[QStringLiteral("setting")] = EscapeControls(d.setting);
    o[QStringLiteral("before")] = EscapeControls(d.before);
    o[QStringLiteral("after")] = EscapeControls(d.after);
    o[QStringLiteral("text")] = EscapeControls(d.text());
    return o;
}
} // namespace

int runDiffCommand(const CliArgs &args)
{
    const QStringList files = positionalArgs(args);
    return diffFiles(files.at(0), files.at(1), args.contains(QStringLiteral("--json")));
}

int diffFiles(const QString &pathA, const QString &pathB, bool json)
{
    RadioImage a, b;
    for (const auto &[path, img] : {std::pair{pathA, &a}, std::pair{pathB, &b}}) {
        QString reason;
        if (!ReadComparable(path, *img, &reason)) {
            std::fprintf(stderr, "tarven-cli: %s: %s\n", qPrintable(EscapeControls(path)),
                         qPrintable(EscapeControls(reason)));
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
            std::printf("%s\n", EscapeControls(d.text()).toUtf8().constData());
    }
    return differences.isEmpty() ? 0 : kDifferent;
}
