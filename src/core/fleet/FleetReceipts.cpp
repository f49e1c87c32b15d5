#include "FleetReceipts.h"

#include "RadioHistory.h"

FleetReceiptRecorder HistoryReceiptRecorder(const QString &folder)
{
    return [folder](const FleetReceipt &r) -> QString {
        RadioHistory::WriteReceipt receipt;
        receipt.written = r.written;
        receipt.serial = r.radio.serial;
        receipt.firmware = r.radio.firmware;
        receipt.outcome = r.outcome;
        if (const auto known = RadioHistory::LatestContents(folder, r.radio.serial))
            receipt.previousEntry = known->path;
        const RadioHistory::Recorded recorded = RadioHistory::RecordWrite(folder, receipt);
        return recorded.ok ? QString() : recorded.error;
    };
}
