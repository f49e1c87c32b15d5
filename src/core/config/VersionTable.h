#pragma once
#include <QString>

// Which radio firmware (and data-file format) versions each installed release supports,
// from ParentDir/Version.ini.
void LoadVersionTable();
void ClearVersionTable();
void AddVersionPair(const QString &soft, const QString &firm);   // tests and tools
bool IsPairListed(const QString &soft, const QString &firm);
QString SoftForFirm(const QString &firm);
QString ShownVersion(const QString &v);          // "V100" -> "V1.00"
QString VersionMessage(const QString &soft, const QString &firm, int mode);   // 0 radio, 1 file
// Starts the release that supports the firmware (or says none does) and ends this program;
// when that release cannot be started, says so and keeps this program running.
void RunVersionFor(const QString &firm);
bool IsVersionText(const QString &text);
