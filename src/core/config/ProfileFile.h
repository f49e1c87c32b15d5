#pragma once
#include <QHash>
#include <QString>

// INI files with the Windows profile-string rules: section and key names compare without
// case, the first match wins, values are trimmed and limited to (size - 1) characters;
// a write replaces the key in place or appends it and keeps the rest of the file. UTF-8.
QString ReadProfileString(const QString &file, const QString &section, const QString &key,
                          const QString &fallback = QString(), int bufferSize = 512);
bool WriteProfileString(const QString &file, const QString &section, const QString &key,
                        const QString &value);

// One section read once, for callers that look up many keys of it (the version table):
// value() answers as ReadProfileString would for the same file, section and key, without
// checking the file again for every key.
class ProfileSection {
public:
    ProfileSection(const QString &file, const QString &section);
    QString value(const QString &key, const QString &fallback = QString(), int bufferSize = 512) const;

private:
    QHash<QString, QString> keys_;
};
