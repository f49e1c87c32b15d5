#pragma once
#include <QString>

// Texts that come from a radio or a file may hold control characters (an escape
// sequence can retitle or clear a terminal). A window drops them; a terminal shows them
// as escapes. Line breaks (CR, LF) are kept where a text has lines, as messages do.
enum class LineBreaks { Keep, AsControls };

// "\x1B" for ESC and every other control character (C0, DEL and C1).
QString EscapeControls(const QString &text, LineBreaks breaks = LineBreaks::AsControls);
// The text without its control characters.
QString DropControls(const QString &text, LineBreaks breaks = LineBreaks::AsControls);
