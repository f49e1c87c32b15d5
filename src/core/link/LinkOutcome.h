#pragma once
#include <QString>
#include <QStringList>

// How the last read or write ended beyond success or failure: whether the user
// cancelled it, how far a write got, and what a check after writing found.
struct LinkOutcome {
    int operation = 0;
    bool cancelled = false;
    // A write: the bytes from address 0x0000 up that the radio acknowledged (0..7424);
    // -1 for any other operation.
    int writtenBytes = -1;
    bool verified = false;       // the radio was read back and holds what was sent
    QStringList differences;     // where it does not, in the user's words
};

// What the radio holds after a write that did not end verified, in the user's words:
// unchanged, a partial write up to an address and its place (channel, setting), the
// whole new image unchecked, or checked with differences. Empty for a verified write.
QString RadioHoldsText(const LinkOutcome &outcome, int band);
