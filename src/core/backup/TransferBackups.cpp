#include "TransferBackups.h"

#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "ReadImage.h"

TransferBackups::TransferBackups(LinkEngine &engine, QObject *parent)
    : QObject(parent)
{
    connect(&engine, &LinkEngine::transferConfirmed, this, &TransferBackups::onConfirmed);
    connect(&engine, &LinkEngine::operationFinished, this, &TransferBackups::onFinished);
}

void TransferBackups::onConfirmed(int operation)
{
    if (operation != LinkWrite)
        return;
    RadioImage img = Image();
    StampForFile(img);
    save(img, BackupStore::Kind::Write);
}

void TransferBackups::onFinished(int operation, bool success)
{
    if (!success)
        return;
    if (operation == LinkRadioInfo) {
        serial_ = CurrentRadioInfo().serialNumber.trimmed();
        return;
    }
    RadioImage img;
    if (operation == LinkRead && ImageFromRead(img))
        save(img, BackupStore::Kind::Read);
}

void TransferBackups::save(const RadioImage &img, BackupStore::Kind kind)
{
    if (folder_.isEmpty())
        return;
    const BackupStore::SaveResult saved = BackupStore::Save(folder_, img, kind, serial_);
    if (saved.ok) {
        lastBackup_ = saved.path;
        return;
    }
    prompts().message(LangText(30116).arg(saved.error), MsgIcon::Warning);
}
