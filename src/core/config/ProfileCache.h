#pragma once
#include <QHash>
#include <QString>

#include <optional>

// Profile files parsed once and kept until the file changes (its path, size,
// modification time or inode), so thousands of look-ups of language texts or version entries
// cost one read of the file. The look-up keeps the file's rules: section and key names
// compare without case, only the first section of a name counts and the first key in it.
namespace ProfileCache {

// The trimmed value of the key, or nothing when the file, the section or the key is
// missing.
std::optional<QString> Lookup(const QString &file, const QString &section, const QString &key);
// The keys of one section (names case-folded, see FoldedName) with their values; empty
// when the file or the section is missing. For callers that read many keys of a section.
QHash<QString, QString> Section(const QString &file, const QString &section);
// A section or key name as the cache compares it.
QString FoldedName(const QString &name);
// Forgets what is known of the file (after this program rewrote it).
void Forget(const QString &file);
// How many times a file was parsed since the program started (for tests and benchmarks).
int ParseCount();

} // namespace ProfileCache
