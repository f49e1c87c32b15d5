#include "AccessAdvice.h"

#include "LangText.h"

QString CableUdevRulePath()
{
    return QStringLiteral("/usr/lib/udev/rules.d/70-tarven-cable.rules");
}

AccessAdvice AdviseAccess(const QString &device, const FileAccess &access, const UserIdentity &user)
{
    AccessAdvice a;
    if (!access.exists) {
        a.verdict = AccessAdvice::Verdict::Missing;
        a.finding = LangText(30911).arg(device);
        return a;
    }
    const QString ownership = QStringLiteral("%1 %2:%3").arg(access.modeText(), access.owner, access.group);
    if (access.userCanReadWrite || user.uid == 0) {
        a.finding = LangText(30910).arg(device, ownership);
        return a;
    }
    // root's group never helps: joining it would give far more than the port.
    const bool groupHelps = access.groupCanReadWrite() && access.gid != 0;
    if (!groupHelps) {
        a.verdict = AccessAdvice::Verdict::RootOnly;
        a.finding = LangText(30915).arg(device, ownership);
        a.fix = LangText(30916).arg(CableUdevRulePath());
        return a;
    }
    a.group = access.group;
    if (user.sessionGroups.contains(access.group)) {
        a.verdict = AccessAdvice::Verdict::Refused;
        a.finding = LangText(30917).arg(device, access.group);
        return a;
    }
    if (user.memberGroups.contains(access.group)) {
        a.verdict = AccessAdvice::Verdict::LoginAgain;
        a.finding = LangText(30912).arg(device, ownership, access.group);
        a.fix = LangText(30914).arg(access.group);
        return a;
    }
    a.verdict = AccessAdvice::Verdict::JoinGroup;
    a.finding = LangText(30912).arg(device, ownership, access.group);
    a.fix = LangText(30913).arg(access.group, user.name);
    return a;
}
