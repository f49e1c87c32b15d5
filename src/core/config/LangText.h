#pragma once
#include <QString>

// Texts of the user interface by numeric identifier, from the current language file.
// A caption without an entry is empty; a message (9000..9999) or a text of the additions
// (30000 and up) falls back to the English text, else to its identifier.
QString LangText(int id);
QString LangSection(int id);        // the INI section of an identifier
QString LanguageFilePath();         // program dir / language / LanguageFile
