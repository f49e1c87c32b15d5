#pragma once
#include "CliArgs.h"
#include "TransferBackups.h"

#include <QString>
#include <QStringList>

class LinkEngine;

// The safety net of `tarven-cli read` and `write`: backups (--backup-dir DIR,
// --no-backup), the read back after writing (--verify), and SIGINT / SIGTERM, which
// cancel the transfer: "END" is sent, the port closed, and the command ends with 130.
struct CliSafetyOptions {
    QString backupDir;   // empty: no backups
    bool verify = false;
};

// Reads the options above from the arguments (--verify only for a write); false with
// the reason for bad usage.
bool parseSafetyOptions(const CliArgs &args, bool write, CliSafetyOptions *out, QString *error);

// "HEX[:MASK]" of `simulate --flip-stored`: an address 0..1CFF and a mask 01..FF
// (01 when left out).
// `text` as one word for a shell: as it is when plain, else in single quotes.
QString ShellQuoted(const QString &text);

bool parseFlipStored(const QString &text, int *address, int *mask);

class CliTransferSafety {
public:
    static constexpr int kCancelledExit = 130;

    CliTransferSafety(LinkEngine &engine, const CliSafetyOptions &options, const QString &portName = QString());

    // After the transfer: for a cancelled one, says so on stderr (a write: that the
    // radio may hold a partial write) and gives 130; otherwise -1.
    int cancelledExit() const;

    // After a write: what the radio holds when it did not end verified, and how to put
    // back what it held before when the history has it (on stderr); the receipt's file
    // when it ended well.
    void reportWrite(bool success) const;

    TransferBackups &history() { return backups_; }

private:
    void printRestoreHint(const QString &port) const;

    LinkEngine &engine_;
    TransferBackups backups_;
    QString portName_;
};
