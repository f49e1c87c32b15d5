#include "TransferBackups.h"

#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "Prompts.h"
#include "RadioHistory.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "ReadImage.h"

TransferBackups::TransferBackups(LinkEngine &engine, QObject *parent)
    : QObject(parent), engine_(engine)
{
    connect(&engine, &LinkEngine::transferConfirmed, this, &TransferBackups::onConfirmed);
    connect(&engine, &LinkEngine::operationFinished, this, &TransferBackups::onFinished);
}

void TransferBackups::setSerial(const QString &serial)
{
    serial_ = serial.trimmed();
}

void TransferBackups::onConfirmed(int operation)
{
    if (operation != LinkWrite)
        return;
    pendingWrite_.reset();
    previousOfWrite_ = nextPrevious_;
    restoring_ = nextRestore_;
    nextPrevious_.clear();
    nextRestore_ = false;
    // The image as sent: the caller may put another image in place once the write runs.
    writing_ = Image();
    StampForFile(*writing_);
    if (folder_.isEmpty())
        return;
    if (previousOfWrite_.isEmpty()) {
        if (const auto latest = RadioHistory::LatestContents(folder_, serial_))
            previousOfWrite_ = latest->path;
    }
    RadioHistory::WriteReceipt receipt;
    receipt.written = *writing_;
    receipt.serial = serial_;
    receipt.restore = restoring_;
    receipt.previousEntry = previousOfWrite_;
    const RadioHistory::Recorded begun = RadioHistory::BeginWrite(folder_, receipt);
    if (!begun.ok) {
        warn(begun.error);
        return;
    }
    pendingWrite_ = begun.entry;
}

void TransferBackups::onFinished(int operation, bool success)
{
    if (operation == LinkRadioInfo) {
        if (success)
            setSerial(CurrentRadioInfo().serialNumber);
        return;
    }
    const QString firmware = Link().RadioIdent.version;
    if (operation == LinkWrite && pendingWrite_) {
        RadioHistory::WriteReceipt receipt;
        receipt.written = writing_ ? *writing_ : Image();
        receipt.serial = serial_;
        receipt.firmware = firmware;
        receipt.restore = restoring_;
        receipt.previousEntry = previousOfWrite_;
        receipt.outcome = engine_.lastOutcome();
        const HistoryEntry begun = *pendingWrite_;
        pendingWrite_.reset();
        const RadioHistory::Recorded done = RadioHistory::FinishWrite(folder_, begun, receipt);
        if (!done.entry.path.isEmpty()) {
            last_ = done.entry;
            if (!serial_.isEmpty())
                seen_.insert(serial_);
            emit entryRecorded(done.entry.path);
        }
        return;
    }
    RadioImage img;
    if (operation != LinkRead || !success || folder_.isEmpty() || !ImageFromRead(img))
        return;
    const RadioHistory::Recorded read = RadioHistory::RecordRead(folder_, img, serial_, firmware);
    if (!read.ok) {
        warn(read.error);
        return;
    }
    last_ = read.entry;
    lastRead_ = read.entry;
    if (!serial_.isEmpty())
        seen_.insert(serial_);
    emit entryRecorded(read.entry.path);
}

void TransferBackups::warn(const QString &error)
{
    prompts().message(LangText(30116).arg(error), MsgIcon::Warning);
}
