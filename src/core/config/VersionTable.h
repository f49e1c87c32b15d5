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
// Starts the release that supports the firmware and ends this program (after the
// unsaved-changes question). True only when that release really started; when none
// supports the version, the question is declined or the start fails, this program says
// so where needed and keeps running with its document.
bool RunVersionFor(const QString &firm);
bool IsVersionText(const QString &text);
