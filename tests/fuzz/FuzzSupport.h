#pragma once
// What every fuzz target shares: a Qt application object, a throw-away installation
// (language files and version table from the source tree) and the program state reset
// before each input, so one input never leaves traces for the next.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// Sets up once per process (with a new document); later calls reset the run settings.
// For targets that never change the document.
void Prepare();
// Prepare() and a new document, for targets that open, read or edit one.
void PrepareNewDocument();
QString ProgramDir();     // <tmp>/V100
QString ParentDir();      // <tmp>
QString ScratchPath(const QString &name);   // a file in the installation's scratch folder
void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);
QByteArray Bytes(const uint8_t *data, size_t size);
// Ends the process with a message when a property that must hold does not.
void Require(bool condition, const char *what);

} // namespace Fuzz
