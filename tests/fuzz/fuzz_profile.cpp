// Profile files from outside (settings, language files, the version table): look-ups of
// the keys the file names, then a rewrite of one key. The rewritten key reads back, and
// every other key reads as before.
#include "FuzzSupport.h"

#include "LangText.h"
#include "ProfileFile.h"

#include <QStringList>

namespace {
// Section and key names the input itself offers, so look-ups hit as well as miss.
void namesOf(const QByteArray &bytes, QStringList &sections, QStringList &keys)
{
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')) && sections.size() < 8)
            sections << line.mid(1).section(QLatin1Char(']'), 0, 0);
        else if (line.contains(QLatin1Char('=')) && keys.size() < 16)
            keys << line.section(QLatin1Char('='), 0, 0);
    }
    sections << QStringLiteral("Msg") << QStringLiteral("language");
    keys << QStringLiteral("9002") << QStringLiteral("comPort");
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString file = Fuzz::ProgramDir() + QStringLiteral("/language/english.ini");
    Fuzz::WriteFile(file, bytes);

    QStringList sections, keys;
    namesOf(bytes, sections, keys);
    QList<QString> before;
    for (const QString &s : sections)
        for (const QString &k : keys)
            before << ReadProfileString(file, s, k, QStringLiteral("\x01missing"));
    for (int id : {9002, 9063, 12000, 30002})
        LangText(id);

    const QString section = sections.first();
    const QString key = keys.first();
    const QString value = QStringLiteral("rewritten value");
    if (!WriteProfileString(file, section, key, value))
        return 0;   // a name that would change the file's structure is refused
    Fuzz::Require(ReadProfileString(file, section, key) == value, "the rewritten key reads back");
    int i = 0;
    for (const QString &s : sections) {
        for (const QString &k : keys) {
            const bool same = s.trimmed().compare(section.trimmed(), Qt::CaseInsensitive) == 0
                && k.trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0;
            if (!same)
                Fuzz::Require(ReadProfileString(file, s, k, QStringLiteral("\x01missing")) == before.at(i),
                              "a rewrite keeps every other key");
            ++i;
        }
    }
    return 0;
}
