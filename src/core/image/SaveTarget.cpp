#include "SaveTarget.h"

#include "LangText.h"

#include <QFileInfo>

namespace {
constexpr int kMaxLinkHops = 40;   // as the system's own limit on nested links
}

SaveTarget ResolveSaveTarget(const QString &path)
{
    QString target = path;
    for (int hop = 0;; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        if (hop == kMaxLinkHops)
            return {QString(), LangText(30001)};
        target = info.symLinkTarget();   // one hop, made absolute
    }
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return {QString(), LangText(30000)};
    return {target, QString()};
}
