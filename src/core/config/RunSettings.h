#pragma once
#include <QString>
#include <array>
#include <cstdint>

// Settings of the running program, chosen at start-up and read by every module.
struct RunSettings {
    int CurrentLanguageId = 1;          // 1 English, 2 Chinese
    int ShownLanguageId = 1;            // language the main window last showed
    QString LanguageFile = QStringLiteral("english.ini");
    int comPort = 1;                    // COM number 1..16
    bool IsVistaOs = false;             // never true here: the port list is always real
    bool HelpEnabled = false;           // nothing sets it; help entries stay hidden
    QString modelName = QStringLiteral("TARVEN2");
    QString bandText = QStringLiteral("26.965 - 27.405 MHz");
    int BandMode = 0;
    double bandLow = 26.965;            // MHz, parsed from bandText
    double bandHigh = 27.405;
    QString ProgramVersion = QStringLiteral("V100");
    std::array<uint8_t, 4> SettingBytes{0, 0, 0, 1};
    QString programDirOverride;         // tests and tools point the program elsewhere
    QString localeOverride;             // tests choose the system locale ("zh_CN")
};

RunSettings &Run();
void ResetRunSettings();

// The directory of the executable (or TARVEN_PROGRAM_DIR / the override) and its parent.
QString ProgramDir();
QString ParentDir();
QString ParentDirOf(const QString &programDir);

// Document state of the main window.
struct DocumentState {
    QString DocumentPath = QStringLiteral("new.dat");
    bool Untitled = true;
    bool FactoryInitRequest = false;
};
DocumentState &Doc();
