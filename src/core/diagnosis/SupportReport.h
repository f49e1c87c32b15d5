#pragma once
#include <QString>

// The support report: one .tar.gz a user can attach to a support request. It holds
//   about.txt       program release, Qt version, operating system, kernel, language
//   doctor.txt      the connection doctor's report (and doctor.json), without the probe
//                   (nothing is sent to a radio)
//   settings/       the settings files, every line whose key names a password removed
//   messages.txt    the last messages the programs showed
//   trace.txt       the last transfer's serial trace, only when the user allows it
// It is written where the user says and nowhere else; nothing is sent anywhere.
struct SupportReportOptions {
    bool includeTrace = false;
    QString tracePath;        // empty: the desktop program's last transfer trace
};

bool WriteSupportReport(const QString &outPath, const SupportReportOptions &options, QString *error);
// The files that went into the last report written, for the confirmation.
QString SupportReportWhatGoesIn();
// A settings file's text with the values of password keys removed.
QString WithoutPasswords(const QString &iniText);
