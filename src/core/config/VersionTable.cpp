#include "VersionTable.h"

#include "LangText.h"
#include "ModFun.h"
#include "ProfileFile.h"
#include "Prompts.h"
#include "RunSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QDir>
#include <QProcess>
#include <QVector>

namespace {
struct VersionPair {
    QString soft;
    QString firm;
};

QVector<VersionPair> &table()
{
    static QVector<VersionPair> pairs;
    return pairs;
}

constexpr int kMaxEntries = 1000;   // a junk count must not stall the start-up

QString readValue(const ProfileSection &section, const QString &key)
{
    return TrimAtNul(section.value(key, QString(), 256).trimmed());
}
}

void ClearVersionTable()
{
    table().clear();
}

void AddVersionPair(const QString &soft, const QString &firm)
{
    table().append({soft, firm});
}

void LoadVersionTable()
{
    ClearVersionTable();
    Run().ProgramVersion = QStringLiteral("V100");
    const QString file = ParentDir() + QStringLiteral("/Version.ini");
    const ProfileSection version(file, QStringLiteral("Version"));
    const ProfileSection firms(file, QStringLiteral("Firm"));
    const int count = qBound(0, ToLongOr(readValue(version, QStringLiteral("FirmVersionCount")), 0), kMaxEntries);
    for (int i = 0; i < count; ++i) {
        const QString entry = readValue(firms, QStringLiteral("Firm") + QString::number(i));
        if (entry.size() < 8)
            continue;   // an entry must name a release and a firmware version
        AddVersionPair(entry.left(4), entry.right(4));
    }
}

bool IsPairListed(const QString &soft, const QString &firm)
{
    for (const VersionPair &p : table()) {
        if (p.soft == soft && p.firm == firm)
            return true;
    }
    return false;
}

QString SoftForFirm(const QString &firm)
{
    for (const VersionPair &p : table()) {
        if (p.firm == firm)
            return p.soft;
    }
    return QString();
}

QString ShownVersion(const QString &v)
{
    return v.left(2) + QLatin1Char('.') + v.right(2);
}

QString VersionMessage(const QString &soft, const QString &firm, int mode)
{
    QString middle;
    if (mode == 0)
        middle = LangText(9060) + QLatin1Char(' ') + ShownVersion(firm);
    else if (mode == 1)
        middle = LangText(9064) + QLatin1Char(' ') + ShownVersion(firm);
    else
        middle = ShownVersion(firm);
    return LangText(9062) + QStringLiteral("\r\n") + middle + QStringLiteral("\r\n") + LangText(9061)
        + QLatin1Char(' ') + ShownVersion(soft);
}

bool RunVersionFor(const QString &firm)
{
    const QString soft = SoftForFirm(firm);
    if (soft.isEmpty()) {
        // Nothing can take over, so this program stays with its document.
        prompts().message(LangText(9063));
        return false;
    }
    if (!prompts().confirmEnd())
        return false;
    const QString exe = QCoreApplication::instance()
        ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
        : QStringLiteral("tarven");
    const QString program = ParentDir() + QLatin1Char('/') + soft + QLatin1Char('/') + exe;
    // When the other release cannot be started, this one keeps running with its document.
    if (!QProcess::startDetached(program, {})) {
        prompts().message(LangText(9063) + QStringLiteral("\r\n") + QDir::toNativeSeparators(program));
        return false;
    }
    prompts().endProgram();
    return true;
}

bool IsVersionText(const QString &text)
{
    const QString t = TrimAtNul(text);
    if (t.size() != 4 || t.at(0) != QLatin1Char('V'))
        return false;
    for (int i = 1; i < 4; ++i) {
        if (!t.at(i).isDigit() || t.at(i).unicode() > 127)
            return false;
    }
    return true;
}
