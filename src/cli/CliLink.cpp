#include "CliLink.h"

#include "CliLinkRun.h"

#include "CliOutputPath.h"
#include "CliSignals.h"
#include "CliTransferSafety.h"
#include "CliWritePlan.h"
#include "RadioHistory.h"
#include "ControlChars.h"
#include "CliUsage.h"
#include "DataFile.h"
#include "HeadlessLinkUi.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "LinkTrace.h"
#include "MSComm1.h"
#include "MemoryMap.h"
#include "ModFun.h"
#include "Models.h"
#include "NewImage.h"
#include "PortList.h"
#include "RadioImage.h"
#include "RadioInfo.h"
#include "SimulatedFleet.h"
#include "SimulatedRadio.h"
#include "VersionTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

namespace {

// Every try of one block: the first and its retries.
constexpr int kTriesOfOneBlock = kBlockRetries + 1;

int bandFromName(const QString &name)
{
    const QString n = name.toLower();
    return n == QLatin1String("cb") ? 0 : n == QLatin1String("hf") ? 1 : n == QLatin1String("ham") ? 2 : -1;
}

QString trimmedEnd(const QString &s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

bool checkPort(const CliArgs &args)
{
    return !optionValue(args, QStringLiteral("--port")).isEmpty();
}

// The radio's serial number for the history, from its information area; false when
// the radio does not answer (the engine has said so).
bool identifyRadio(LinkRun &link)
{
    return link.run([](LinkEngine &e) { return e.StartRadioInfoRead(); });
}

int runRead(const CliArgs &args)
{
    const QString out = optionValue(args, QStringLiteral("--out"));
    if (!checkPort(args) || out.isEmpty())
        return usageError(QStringLiteral("read needs --port DEVICE and --out FILE.dat"));
    CliSafetyOptions safe;
    QString problem;
    if (!parseSafetyOptions(args, false, &safe, &problem))
        return usageError(problem);
    // A target that cannot take the file is found before the 13-second transfer.
    const QString tracePath = optionValue(args, QStringLiteral("--trace"));
    if (!CheckOutputPath(out, {tracePath}))
        return 1;
    LinkRun link(args);
    if (!link.openTrace(args, {out}))
        return 1;
    BuildNewImage();   // the model the radio is checked against
    const CliTransferSafety safety(link.engine, safe);
    // Entries of the history carry the radio's serial number.
    if (!safe.backupDir.isEmpty()) {
        const bool identified = identifyRadio(link);
        if (safety.cancelledExit() >= 0)
            return CliTransferSafety::kCancelledExit;
        if (!identified)
            return 1;
    }
    const bool ok = link.run([](LinkEngine &e) { return e.StartRead(LinkEngine::Confirm::Given); });
    if (safety.cancelledExit() >= 0)
        return CliTransferSafety::kCancelledExit;
    if (!ok || !LinkEngine::ApplyReadToImage())
        return 1;
    return SaveDataFile(out, {tracePath}) == FileResult::Ok ? 0 : 1;
}

int runWrite(const CliArgs &args)
{
    const QString in = optionValue(args, QStringLiteral("--in"));
    if (!checkPort(args) || in.isEmpty())
        return usageError(QStringLiteral("write needs --port DEVICE and --in FILE.dat"));
    const bool plan = args.contains(QStringLiteral("--plan"));
    if (args.contains(QStringLiteral("--json")) && !plan)
        return usageError(QStringLiteral("--json belongs to write --plan"));
    if (plan && args.contains(QStringLiteral("--verify")))
        return usageError(QStringLiteral("write --plan writes nothing, so there is nothing to verify"));
    CliSafetyOptions safe;
    QString problem;
    if (!parseSafetyOptions(args, true, &safe, &problem))
        return usageError(problem);
    const int failed = plan ? kPlanTrouble : 1;
    LinkRun link(args);
    if (!link.openTrace(args, {in}))
        return failed;
    if (OpenDataFile(in) != FileResult::Ok)
        return failed;
    CliTransferSafety safety(link.engine, safe, optionValue(args, QStringLiteral("--port")));
    // Entries of the history carry the radio's serial number; a plan compares with
    // what this radio holds.
    if (!safe.backupDir.isEmpty() || plan) {
        const bool identified = identifyRadio(link);
        if (safety.cancelledExit() >= 0)
            return CliTransferSafety::kCancelledExit;
        if (!identified)
            return failed;
    }
    if (plan)
        return runWritePlan(link, safety, in, args.contains(QStringLiteral("--json")));
    // Writing an entry of the history back is a restore.
    if (!safe.backupDir.isEmpty() && RadioHistory::Find(safe.backupDir, in)
        && QFileInfo(in).absoluteDir() == QDir(safe.backupDir))
        safety.history().setNextWriteIsRestore(true);
    const bool ok = link.run([](LinkEngine &e) { return e.StartWrite(LinkEngine::Confirm::Given); });
    if (safety.cancelledExit() >= 0)
        return CliTransferSafety::kCancelledExit;
    safety.reportWrite(ok);
    return ok ? 0 : 1;
}

void printInfo(const RadioInfo &r, bool json)
{
    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("serialNumber"), r.serialNumber},
        {QStringLiteral("factoryDate"), r.factoryDate},
        {QStringLiteral("repairDate"), r.repairDate},
        {QStringLiteral("repairReason"), r.repairReason},
        {QStringLiteral("salesAreaCode"), r.salesAreaCode},
        {QStringLiteral("batchNumber"), r.batchNumber},
        {QStringLiteral("customerCode"), r.customerCode},
        {QStringLiteral("dealerCode"), r.dealerCode},
        {QStringLiteral("stockInDate"), r.stockInDate},
        {QStringLiteral("saleDate"), r.saleDate},
        {QStringLiteral("handler"), r.handler},
    };
    if (json) {
        QJsonObject o;
        o[QStringLiteral("bandMode")] = r.bandMode;
        for (const auto &f : fields)
            o[f.first] = EscapeControls(trimmedEnd(f.second));
        std::printf("%s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
        return;
    }
    std::printf("bandMode: %d (%s)\n", r.bandMode, qPrintable(BandName(r.bandMode)));
    for (const auto &f : fields)
        std::printf("%s: %s\n", qPrintable(f.first), qPrintable(EscapeControls(trimmedEnd(f.second))));
}

int runInfo(const CliArgs &args)
{
    if (!checkPort(args))
        return usageError(QStringLiteral("info needs --port DEVICE"));
    LinkRun link(args);
    if (!link.openTrace(args))
        return 1;
    const CliTransferSafety safety(link.engine, CliSafetyOptions{});
    const bool ok = link.run([](LinkEngine &e) { return e.StartRadioInfoRead(); });
    if (safety.cancelledExit() >= 0)
        return CliTransferSafety::kCancelledExit;
    if (!ok)
        return 1;
    printInfo(CurrentRadioInfo(), args.contains(QStringLiteral("--json")));
    return 0;
}

// "2:verify,4:band" of `simulate --fleet-fault`.
bool parseFleetFaults(const QString &text, SimulatedFleet *fleet)
{
    if (text.isEmpty())
        return true;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList parts = item.trimmed().split(QLatin1Char(':'));
        bool ok = false;
        const int number = parts.value(0).toInt(&ok);
        if (parts.size() != 2 || !ok || number < 1)
            return false;
        if (parts.at(1) == QLatin1String("verify"))
            fleet->failsVerify.insert(number);
        else if (parts.at(1) == QLatin1String("band"))
            fleet->otherBand.insert(number);
        else
            return false;
    }
    return true;
}

int runSimulate(const CliArgs &args)
{
    SimulatedRadio radio;
    int band = 0;
    if (args.contains(QStringLiteral("--band"))) {
        band = bandFromName(optionValue(args, QStringLiteral("--band")));
        if (band < 0)
            return usageError(QStringLiteral("--band is cb, hf or ham"));
    }
    const QString imagePath = optionValue(args, QStringLiteral("--image"));
    if (!imagePath.isEmpty()) {
        RadioImage img;
        if (!ReadFullFile(imagePath, img) || !ImageProblem(img).isEmpty()) {
            std::fprintf(stderr, "%s: not a usable data file %s\n", qPrintable(EscapeControls(imagePath)),
                         qPrintable(ImageProblem(img)));
            return 1;
        }
        band = img.header.model.bandMode;
        PackImageInto(img, radio.memory);
    } else {
        SetCurrentBand(band);
        BuildNewImage();
        PackImageInto(Image(), radio.memory);
    }
    radio.band = band;
    radio.setDemoInfo();
    if (args.contains(QStringLiteral("--firmware"))) {
        const QString firmware = optionValue(args, QStringLiteral("--firmware"));
        if (!IsVersionText(firmware))
            return usageError(QStringLiteral("--firmware is V followed by three digits"));
        radio.firmware = firmware;
    }
    radio.setPassword(optionValue(args, QStringLiteral("--password")));
    radio.echo = args.contains(QStringLiteral("--echo"));
    radio.pace = args.contains(QStringLiteral("--pace"));
    if (args.contains(QStringLiteral("--flip-stored"))) {
        int address = 0, mask = 1;
        if (!parseFlipStored(optionValue(args, QStringLiteral("--flip-stored")), &address, &mask))
            return usageError(QStringLiteral("--flip-stored is HEX[:MASK], an address 0..1CFF and a mask 01..FF"));
        radio.flipStoredAddress = address;
        radio.flipStoredMask = uint8_t(mask);
    }

    // Faults that last for every try of one block, so that a transfer fails there once
    // and the next one (a restore) goes through.
    for (const auto &[option, faults] : {std::pair{QStringLiteral("--silent-at"), &radio.dropReplyAt},
                                         std::pair{QStringLiteral("--bad-read-at"), &radio.badChecksumAt}}) {
        if (!args.contains(option))
            continue;
        int address = 0, mask = 1;
        if (!parseFlipStored(optionValue(args, option), &address, &mask) || optionValue(args, option).contains(QLatin1Char(':')))
            return usageError(QStringLiteral("%1 is an address 0..1CFF in hexadecimal").arg(option));
        faults->insert(address & ~0xF, kTriesOfOneBlock);
    }

    std::unique_ptr<SimulatedFleet> fleet;
    if (args.contains(QStringLiteral("--fleet"))) {
        bool ok = false;
        const int count = optionValue(args, QStringLiteral("--fleet")).toInt(&ok);
        if (!ok || count < 1 || count > 9999)
            return usageError(QStringLiteral("--fleet is a number of radios, 1 to 9999"));
        fleet = std::make_unique<SimulatedFleet>(radio, count);
        if (!parseFleetFaults(optionValue(args, QStringLiteral("--fleet-fault")), fleet.get()))
            return usageError(QStringLiteral("--fleet-fault is a list of N:verify or N:band, e.g. 2:verify,4:band"));
    } else if (args.contains(QStringLiteral("--fleet-fault"))) {
        return usageError(QStringLiteral("--fleet-fault needs --fleet N"));
    }

    QString error;
    if (!radio.start(&error)) {
        std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", qPrintable(error));
        return 1;
    }
    if (fleet) {
        QObject::connect(fleet.get(), &SimulatedFleet::radioConnected, [](int number, const QString &serial) {
            std::fprintf(stderr, "simulated radio %d connected, serial number %s\n", number, qPrintable(serial));
        });
        QObject::connect(fleet.get(), &SimulatedFleet::radioRemoved, [](int number) {
            std::fprintf(stderr, "simulated radio %d removed\n", number);
        });
        fleet->begin();
    }
    std::printf("%s\n", qPrintable(radio.devicePath()));
    std::fflush(stdout);
    QuitOnTerminationSignals();
    QCoreApplication::exec();
    std::fprintf(stderr, "simulated radio: %d commands served\n", radio.commandsReceived());
    return 0;
}

} // namespace

int runReadCommand(const CliArgs &args) { return runRead(args); }
int runWriteCommand(const CliArgs &args) { return runWrite(args); }
int runInfoCommand(const CliArgs &args) { return runInfo(args); }
int runSimulateCommand(const CliArgs &args) { return runSimulate(args); }
