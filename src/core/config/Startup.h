#pragma once
#include <QString>

// Start-up and exit steps that need no window, in the order the desktop program runs them.
void InitDefaults();                // language from the locale, model, band, password
QString MySetupPath();              // ParentDir/language/mysetup.ini, or the user's copy (SettingsLocation)
QString MySetupWritePath();         // where a change of mysetup.ini is written
void ReadMySetup();                 // IsFirstRun, comPort, CurrentLanguage (sound defaults)
void WriteComPort(int port);
void WriteCurrentLanguage(int id);
void SetLanguage(int id);           // CurrentLanguageId and LanguageFile
QString SettingIniPath();           // the Setting.ini to read
void ReadSettingBytes();
bool WriteSettingBytes();
// Runs version table, flags, InitDefaults, mysetup.ini, first image and Setting.ini.
void RunStartupSteps();
void RunExitSteps();
