#include "SupportReport.h"

#include "ConnectionDoctor.h"
#include "LangText.h"
#include "RecentMessages.h"
#include "Release.h"
#include "RunSettings.h"
#include "SettingsLocation.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>

namespace {
bool writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

QString readText(const QString &path, qint64 limit = 4 * 1024 * 1024)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.read(limit)) : QString();
}

QString aboutText()
{
    return QStringLiteral("program: tarven %1\nQt: %2 (built with %3)\nsystem: %4\nkernel: %5 %6\narchitecture: %7\n"
                          "locale: %8\nlanguage file: %9\n")
        .arg(ReleaseVersion(), QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
             QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture(), QLocale::system().name(), Run().LanguageFile);
}

QStringList settingsFiles()
{
    QStringList files{MySetupPath(), SettingIniPath()};
    const QDir config(UserConfigDir());
    for (const QFileInfo &f : config.entryInfoList({QStringLiteral("*.ini"), QStringLiteral("*.conf")}, QDir::Files))
        files << f.absoluteFilePath();
    files.removeDuplicates();
    return files;
}
} // namespace

QString WithoutPasswords(const QString &iniText)
{
    static const QRegularExpression passwordKey(QStringLiteral("^(\\s*[^=\\[;]*pass[^=]*=).*$"),
                                                QRegularExpression::CaseInsensitiveOption
                                                    | QRegularExpression::MultilineOption);
    QString text = iniText;
    return text.replace(passwordKey, QStringLiteral("\\1(removed)"));
}

QString SupportReportWhatGoesIn()
{
    return LangText(30960) + QLatin1Char(' ') + LangText(30965);
}

bool WriteSupportReport(const QString &outPath, const SupportReportOptions &options, QString *error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = work.errorString();
        return false;
    }
    const QString folder = work.filePath(QStringLiteral("tarven-report"));
    DoctorOptions doctor;
    doctor.probe = false;
    const DoctorReport report = RunConnectionDoctor(CurrentSystem(), doctor);
    bool ok = writeText(folder + QStringLiteral("/about.txt"), aboutText())
        && writeText(folder + QStringLiteral("/doctor.txt"), DoctorReportText(report))
        && writeText(folder + QStringLiteral("/doctor.json"),
                     QString::fromUtf8(QJsonDocument(DoctorReportJson(report)).toJson()))
        && writeText(folder + QStringLiteral("/messages.txt"), RecentShownMessages().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    int n = 0;
    for (const QString &file : settingsFiles()) {
        if (QFileInfo(file).isFile())
            ok = ok && writeText(folder + QStringLiteral("/settings/%1-%2").arg(++n).arg(QFileInfo(file).fileName()),
                                 QStringLiteral("; %1\n").arg(file) + WithoutPasswords(readText(file)));
    }
    if (options.includeTrace) {
        const QString trace = options.tracePath.isEmpty() ? LastTransferTracePath() : options.tracePath;
        if (QFileInfo(trace).isFile())
            ok = ok && QFile::copy(trace, folder + QStringLiteral("/trace.txt"));
    }
    if (!ok) {
        *error = QStringLiteral("cannot write in %1").arg(work.path());
        return false;
    }

    // Written beside the target first, so a failed run leaves no half archive behind.
    const QString partial = outPath + QStringLiteral(".part");
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-czf"), partial, QStringLiteral("-C"), work.path(),
                                      QStringLiteral("tarven-report")});
    if (!tar.waitForFinished(60000) || tar.exitStatus() != QProcess::NormalExit || tar.exitCode() != 0) {
        *error = QString::fromLocal8Bit(tar.readAllStandardError()).trimmed();
        if (error->isEmpty())
            *error = tar.errorString();
        QFile::remove(partial);
        return false;
    }
    QFile::remove(outPath);
    if (!QFile::rename(partial, outPath)) {
        *error = QStringLiteral("cannot write %1").arg(outPath);
        QFile::remove(partial);
        return false;
    }
    return true;
}
