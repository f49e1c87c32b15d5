// The radio history's receipts and index entries: any JSON refines what the file name
// says of an entry and never changes what kind of transfer the name records; a file
// name of any text parses without harm; every text the history window shows is built.
#include "FuzzSupport.h"

#include "BackupStore.h"
#include "HistoryEntry.h"
#include "HistoryWords.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    const QByteArray bytes = Fuzz::Bytes(data, size);

    // The first line as a file name in the backup folder.
    const int eol = bytes.indexOf('\n');
    const QString name = QString::fromUtf8(eol < 0 ? bytes : bytes.left(eol));
    const BackupStore::NameParts parts = BackupStore::ParseName(name);
    Fuzz::Require(!parts.ok || BackupStore::IsBackupName(name), "a parsed name is a backup name");

    HistoryEntry base;
    base.path = QStringLiteral("/backups/20261208-093015-000042-read-cb.dat");
    base.kind = HistoryKind::Read;
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    const HistoryEntry e = EntryFromJson(json, base);
    Fuzz::Require(e.kind == HistoryKind::Read, "a receipt never makes a read into a write");
    Fuzz::Require(e.path == base.path, "the entry stays the file it was read for");
    Fuzz::Require(e.previous.isEmpty() || QFileInfo(e.previous).fileName() == e.previous,
                  "the previous entry is a file name in the same folder");

    // Written back and read again, an entry says the same.
    const HistoryEntry again = EntryFromJson(EntryJson(e), base);
    Fuzz::Require(EntryJson(again) == EntryJson(e), "an entry survives being written and read");

    HistoryEntry write = base;
    write.kind = HistoryKind::Write;
    const HistoryEntry w = EntryFromJson(json, write);
    Fuzz::Require(w.kind == HistoryKind::Write || w.kind == HistoryKind::VerifiedWrite, "a write stays a write");
    for (const HistoryEntry &shown : {e, w}) {
        HistoryWords::EntryTitle(shown);
        HistoryWords::Result(shown);
        HistoryWords::ChangeCount(int(shown.changes.size()));
    }
    return 0;
}
