#include "LangText.h"

#include "ProfileFile.h"
#include "RunSettings.h"

namespace {

// Each range runs up to (not including) the first identifier of the next one.
struct SectionRange {
    int below;
    const char *section;
};

constexpr SectionRange kSections[] = {
    {9000, "OTHER"},     {10000, "Msg"},        {11000, "Menu"},      {12000, "ToolBar"},
    {13000, "Main"},     {14000, "Model"},      {15000, "ChannelInfo"}, {16000, "ChannelEdit"},
    {17000, "Option"},   {18000, "Radio"},      {19000, "DTMF"},      {20000, "TestFre"},
    {21000, "EMG"},      {22000, "Local"},      {23000, "Port"},      {24000, "Lang"},
    {25000, "About"},    {26000, "KeySet"},     {27000, "ScanSet"},   {28000, "AlertSet"},
    {29000, "CHEdit"},   {30000, "TONETIPS"},   {31000, "GroupName"}, {32000, "ResetMode"},
};

// Longest text a language file may give, including room for the terminating NUL.
constexpr int kTextBufferSize = 255;

constexpr int kFirstMessageText = 9000;
constexpr int kLastMessageText = 9999;
constexpr int kFirstAdditionText = 30000;

} // namespace

QString LangSection(int id)
{
    for (const SectionRange &range : kSections) {
        if (id < range.below)
            return QString::fromLatin1(range.section);
    }
    return QStringLiteral("Others");
}

QString LanguageFilePath()
{
    return ProgramDir() + QStringLiteral("/language/") + Run().LanguageFile;
}

namespace {
QString TextIn(const QString &file, int id)
{
    return ReadProfileString(file, LangSection(id), QString::number(id), QString(), kTextBufferSize)
        .trimmed();
}

// Messages and the texts of the additions are never left empty: an empty message box
// tells the user nothing.
bool NeedsFallback(int id)
{
    return (id >= kFirstMessageText && id <= kLastMessageText) || id >= kFirstAdditionText;
}
}

// Looked up on every call (the parsed file is reused until it changes), so a change of
// language applies to every later text.
QString LangText(int id)
{
    const QString text = TextIn(LanguageFilePath(), id);
    if (!text.isEmpty() || !NeedsFallback(id))
        return text;
    const QString english = TextIn(ProgramDir() + QStringLiteral("/language/english.ini"), id);
    return english.isEmpty() ? QString::number(id) : english;
}
