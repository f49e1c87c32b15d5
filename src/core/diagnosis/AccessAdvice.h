#pragma once
#include "SystemView.h"

#include <QString>

// Whether this user can open a serial device, and the one change that would let them.
//
// The only group worth joining is one that has read and write access to the device and
// is not root's; a device only root can open gets no group advice at all but the udev
// rule that gives the logged-in user access to programming cables. A user who joined
// the group after logging in is told to log in again rather than to join it twice.
struct AccessAdvice {
    enum class Verdict { Ok, Missing, JoinGroup, LoginAgain, RootOnly, Refused };
    Verdict verdict = Verdict::Ok;
    QString group;      // the group to join (JoinGroup, LoginAgain)
    QString finding;    // what is the case, one sentence
    QString fix;        // what to do; empty when nothing is needed or nothing helps

    bool ok() const { return verdict == Verdict::Ok; }
};

AccessAdvice AdviseAccess(const QString &device, const FileAccess &access, const UserIdentity &user);

// Where the package installs its udev rule.
QString CableUdevRulePath();
