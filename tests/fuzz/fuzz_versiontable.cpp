// The version table from outside: it loads with one read of the file whatever its
// counts, and its answers agree with each other.
#include "FuzzSupport.h"

#include "VersionTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    Fuzz::WriteFile(Fuzz::ParentDir() + QStringLiteral("/Version.ini"), Fuzz::Bytes(data, size));
    LoadVersionTable();
    for (const char *firm : {"V100", "V101", "V102", "V109", "V200"}) {
        const QString f = QString::fromLatin1(firm);
        const QString soft = SoftForFirm(f);
        if (!soft.isEmpty())
            Fuzz::Require(IsPairListed(soft, f), "the release found for a version lists it");
        VersionMessage(QStringLiteral("V100"), f, 0);
    }
    IsVersionText(QString::fromLatin1(Fuzz::Bytes(data, size).left(8)));
    return 0;
}
