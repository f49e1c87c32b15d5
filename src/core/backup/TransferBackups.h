#pragma once
#include "BackupStore.h"

#include <QObject>
#include <QString>

class LinkEngine;
struct RadioImage;

// Takes the backups of one link engine's transfers: the image a read brought, as soon
// as the read has succeeded (before it replaces the document), and the image about to
// be written, as soon as the user has confirmed the write (before anything is sent).
// A backup that cannot be written gives a warning; the transfer goes on.
//
// File names carry the radio's serial number once a radio-information read has
// succeeded on this engine.
class TransferBackups : public QObject {
    Q_OBJECT
public:
    explicit TransferBackups(LinkEngine &engine, QObject *parent = nullptr);

    // Where backups go; empty turns them off.
    void setFolder(const QString &folder) { folder_ = folder; }
    QString folder() const { return folder_; }
    QString lastBackup() const { return lastBackup_; }   // path of the last one written

private:
    void onConfirmed(int operation);
    void onFinished(int operation, bool success);
    void save(const RadioImage &img, BackupStore::Kind kind);

    QString folder_;
    QString serial_;
    QString lastBackup_;
};
