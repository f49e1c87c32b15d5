#pragma once
#include <QString>

// Texts of the user interface by numeric identifier, from the current language file.
QString LangText(int id);
QString LangSection(int id);        // the INI section of an identifier
QString LanguageFilePath();         // program dir / language / LanguageFile
