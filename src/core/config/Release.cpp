#include "Release.h"

QString ReleaseVersion()
{
    return QStringLiteral(TARVEN_RELEASE);
}
