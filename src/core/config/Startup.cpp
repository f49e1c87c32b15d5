#include "Startup.h"

#include "ModFun.h"
#include "Models.h"
#include "NewImage.h"
#include "ProfileFile.h"
#include "RunSettings.h"
#include "SaveTarget.h"
#include "SettingsLocation.h"
#include "VersionTable.h"

#include <QFile>
#include <QLocale>

namespace {
const QString kSection = QStringLiteral("language");

// "0" is false; any other number or "True" is true; anything else is unknown.
int boolText(const QString &text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return 1;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    if (!ok)
        return -1;
    return v != 0 ? 1 : 0;
}
}

void SetLanguage(int id)
{
    Run().CurrentLanguageId = id;
    Run().LanguageFile = id == 2 ? QStringLiteral("chinese.ini") : QStringLiteral("english.ini");
}

void InitDefaults()
{
    const QLocale sys = Run().localeOverride.isEmpty() ? QLocale::system() : QLocale(Run().localeOverride);
    const bool chinese = sys.language() == QLocale::Chinese && sys.territory() == QLocale::China;
    SetLanguage(chinese ? 2 : 1);
    Run().ShownLanguageId = Run().CurrentLanguageId;
    Run().modelName = QString::fromLatin1(kModelName);
    Run().bandText = QString::fromLatin1(kCbBandText);
    Run().BandMode = 0;
    ParseBandLimits();
}

QString MySetupPath()
{
    return SettingsReadPath(ParentDir() + QStringLiteral("/language/mysetup.ini"));
}

QString MySetupWritePath()
{
    return SettingsWritePath(ParentDir() + QStringLiteral("/language/mysetup.ini"));
}

void WriteComPort(int port)
{
    WriteProfileString(MySetupWritePath(), kSection, QStringLiteral("comPort"), QString::number(port));
}

void WriteCurrentLanguage(int id)
{
    WriteProfileString(MySetupWritePath(), kSection, QStringLiteral("CurrentLanguage"), QString::number(id));
}

void ReadMySetup()
{
    const QString file = MySetupPath();
    Run().comPort = 1;
    const int firstRun = boolText(ReadProfileString(file, kSection, QStringLiteral("IsFirstRun")));
    const int port = ToLongOr(ReadProfileString(file, kSection, QStringLiteral("comPort")), 1);
    if (port >= 1 && port <= 16)
        Run().comPort = port;

    // A missing or unreadable flag counts as a first run: the language stays the locale's.
    if (firstRun != 0) {
        WriteProfileString(MySetupWritePath(), kSection, QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    } else {
        const int lang = ToLongOr(ReadProfileString(file, kSection, QStringLiteral("CurrentLanguage")), 0);
        if (lang == 1 || lang == 2)
            SetLanguage(lang);
    }
    WriteComPort(Run().comPort);
    WriteCurrentLanguage(Run().CurrentLanguageId);
}

QString SettingIniPath()
{
    return SettingsReadPath(ProgramDir() + QStringLiteral("/Setting.ini"));
}

void ReadSettingBytes()
{
    QFile f(SettingIniPath());
    const bool existed = f.exists();
    // An absent file reads as zeros; a portable tree creates it empty, an installed tree
    // is never written.
    if (!existed && !SettingsInTree()) {
        Run().SettingBytes = {0, 0, 0, 0};
        return;
    }
    if (!f.open(existed ? QIODevice::ReadOnly : QIODevice::ReadWrite)) {
        Run().SettingBytes = {0, 0, 0, 1};
        return;
    }
    const QByteArray bytes = f.read(4);
    for (int i = 0; i < 4; ++i)
        Run().SettingBytes[i] = i < bytes.size() ? uint8_t(bytes.at(i)) : 0;
}

bool WriteSettingBytes()
{
    const auto &b = Run().SettingBytes;
    const char bytes[4] = {char(b[0]), char(b[1]), char(b[2]), char(b[3])};
    return SaveFileBytes(SettingsWritePath(ProgramDir() + QStringLiteral("/Setting.ini")), QByteArray(bytes, 4));
}

void RunStartupSteps()
{
    LoadVersionTable();
    Run().HelpEnabled = false;
    Doc().FactoryInitRequest = false;
    InitDefaults();
    Run().IsVistaOs = false;   // the port list is always read from the system
    ReadMySetup();
    BuildNewImage();
    ReadSettingBytes();
}

void RunExitSteps()
{
    WriteSettingBytes();
}
