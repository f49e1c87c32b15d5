#pragma once
#include <QString>

// The release of this build ("1.0.0"), the same for both programs and the package.
QString ReleaseVersion();
