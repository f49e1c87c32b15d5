#include "FleetSession.h"

#include "HeadlessLinkUi.h"
#include "LangText.h"
#include "LinkEngine.h"
#include "LinkState.h"
#include "LinkUi.h"
#include "MSComm1.h"
#include "MemoryMap.h"
#include "ModFun.h"
#include "Models.h"
#include "Prompts.h"
#include "RadioInfo.h"
#include "RunSettings.h"
#include "StoredDiff.h"
#include "VersionTable.h"

#include <QCryptographicHash>

namespace {
constexpr int kDifferencesLogged = 3;

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}
} // namespace

// The progress window of the engine becomes the session's progress signal.
class FleetSession::Ui : public LinkUi {
public:
    explicit Ui(FleetSession &session) : session_(session) {}
    std::optional<QString> askPassword(const QString &) override { return std::nullopt; }
    void openProgress(int, std::function<void()> beginTransfer) override
    {
        open_ = true;
        QTimer::singleShot(0, &session_, std::move(beginTransfer));
    }
    void setProgress(int percent) override { emit session_.progress(percent); }
    void closeProgress() override { open_ = false; }
    bool progressVisible() const override { return open_; }
    void setPhase(LinkPhase phase) override
    {
        if (phase == LinkPhase::Verifying)
            session_.setStage(Stage::Verifying);
    }

private:
    FleetSession &session_;
    bool open_ = false;
};

// While the session runs nobody is asked anything: questions are declined, and the last
// message the engine gave is kept as the reason of a failure.
class FleetSession::Answers : public Prompts {
public:
    void message(const QString &text, MsgIcon icon) override
    {
        if (icon == MsgIcon::Critical || icon == MsgIcon::Warning || icon == MsgIcon::None)
            last = text;
    }
    Answer ask(const QString &text, AskButtons buttons, MsgIcon) override
    {
        last = text;
        return buttons == AskButtons::YesNo || buttons == AskButtons::YesNoCancel ? Answer::No : Answer::Cancel;
    }
    void endProgram() override {}
    QString last;
};

int FleetSummary::total() const
{
    int n = 0;
    for (int c : counts)
        n += c;
    return n;
}

QStringList FleetSummaryLines(const FleetSummary &summary)
{
    QStringList lines;
    lines << LangText(31127).arg(summary.total());
    for (int i = 0; i < kFleetResultCount; ++i) {
        if (summary.counts[i] > 0)
            lines << QStringLiteral("  %1: %2").arg(LangText(31110 + i)).arg(summary.counts[i]);
    }
    if (!summary.failed.isEmpty()) {
        lines << LangText(31129);
        for (const FleetLogRow &row : summary.failed)
            lines << QStringLiteral("  %1 (%2): %3")
                         .arg(row.serial.isEmpty() ? QStringLiteral("?") : row.serial, LangText(31110 + int(row.result)),
                              row.details);
    }
    if (summary.cancelled)
        lines << LangText(31109);
    lines << LangText(31130).arg(summary.logPath);
    return lines;
}

FleetSession::FleetSession(FleetLog &log, const FleetOptions &options, QObject *parent)
    : QObject(parent), log_(log), options_(options), port_(std::make_unique<MSComm1>()),
      ui_(std::make_unique<Ui>(*this)), engine_(std::make_unique<LinkEngine>(*port_, *ui_)),
      answers_(std::make_unique<Answers>())
{
    probeTimer_.setSingleShot(true);
    connect(&probeTimer_, &QTimer::timeout, this, &FleetSession::probe);
    connect(engine_.get(), &LinkEngine::operationFinished, this, &FleetSession::onOperationFinished);
    summary_.logPath = log_.path();
}

FleetSession::~FleetSession()
{
    if (previousPrompts_)
        setPrompts(previousPrompts_);
}

MSComm1 &FleetSession::port()
{
    return *port_;
}

LinkEngine &FleetSession::engine()
{
    return *engine_;
}

void FleetSession::setStage(Stage stage)
{
    if (stage_ == stage)
        return;
    stage_ = stage;
    emit stageChanged(stage);
}

void FleetSession::start()
{
    if (isRunning())
        return;
    base_ = Image();
    summary_ = FleetSummary{};
    summary_.logPath = log_.path();
    cancelRequested_ = false;
    awaitingNew_ = false;
    lastSerial_.clear();
    previousPrompts_ = &prompts();
    setPrompts(answers_.get());
    setStage(Stage::WaitingForRadio);
    probeSoon(0);
}

void FleetSession::nextRadioConnected()
{
    if (stage_ != Stage::WaitingForUser)
        return;
    setStage(Stage::WaitingForRadio);
    probeSoon(0);
}

void FleetSession::cancel()
{
    if (!isRunning() || cancelRequested_)
        return;
    cancelRequested_ = true;
    probeTimer_.stop();
    if (engine_->isBusy()) {
        // The exchange in flight ends, "END" goes out, and the radio's row says what it holds.
        setStage(Stage::Cancelling);
        engine_->Cancel();
        return;
    }
    finishSession();
}

void FleetSession::probeSoon(int ms)
{
    probeTimer_.start(ms);
}

void FleetSession::probe()
{
    if (cancelRequested_) {
        finishSession();
        return;
    }
    answers_->last.clear();
    if (!engine_->StartRadioInfoRead())
        probeSoon(kPortAgainMs);   // the device is missing or busy; it may come back
}

void FleetSession::onOperationFinished(int operation, bool success)
{
    if (!isRunning())
        return;
    if (operation == LinkRadioInfo)
        onProbed(success);
    else if (operation == LinkWrite)
        onWritten(success);
}

void FleetSession::onProbed(bool success)
{
    if (cancelRequested_) {
        QTimer::singleShot(0, this, &FleetSession::finishSession);
        return;
    }
    if (!success) {
        probeSoon(kProbeAgainMs);
        return;
    }
    FleetRadioIdentity radio;
    radio.serial = CurrentRadioInfo().serialNumber.trimmed();
    const RadioIdentRecord &ident = Link().InfoIdent;
    radio.firmware = ident.version;
    radio.model = ident.model;
    radio.band = ident.band;
    if (awaitingNew_ && !radio.serial.isEmpty() && radio.serial == lastSerial_) {
        // The radio just done is still connected.
        if (stage_ == Stage::WaitingForRadio && options_.next == FleetOptions::Next::Enter) {
            emit notice(LangText(31124).arg(radio.serial));
            setStage(Stage::WaitingForUser);
        } else {
            probeSoon(kSameRadioMs);
        }
        return;
    }
    handleRadio(radio);
}

QString FleetSession::refusal(const FleetRadioIdentity &radio) const
{
    if (radio.serial.isEmpty())
        return LangText(31115);
    const QString model = TrimAtNul(base_.header.model.nameText());
    if (radio.model != model)
        return LangText(31116).arg(DisplayModelName(radio.model), DisplayModelName(model));
    if (radio.band != base_.header.model.bandMode)
        return LangText(31117).arg(BandName(radio.band), BandName(base_.header.model.bandMode));
    if (!IsPairListed(Run().ProgramVersion, radio.firmware))
        return LangText(31118).arg(radio.firmware);
    if (options_.skipDone) {
        QDateTime when;
        if (log_.isVerified(radio.serial, &when))
            return LangText(31119).arg(when.isValid() ? when.toString(Qt::ISODate) : QStringLiteral("?"));
    }
    return QString();
}

void FleetSession::handleRadio(const FleetRadioIdentity &radio)
{
    radio_ = radio;
    lastSerial_ = radio.serial;
    awaitingNew_ = true;
    valuesSet_.clear();
    sent_.clear();
    imageHash_.clear();
    emit radioFound(radio);

    const QString refused = refusal(radio);
    if (!refused.isEmpty()) {
        logRow(FleetResult::Refused, refused);
        afterRadio();
        return;
    }
    Image() = base_;
    const FleetRadioValues values = values_ ? values_->valuesFor(radio.serial) : FleetRadioValues{};
    if (!values.isEmpty()) {
        const QString problem = applier_ ? applier_(values) : ApplyFleetChannelValues(values);
        if (!problem.isEmpty()) {
            Image() = base_;
            logRow(FleetResult::Refused, LangText(31120).arg(problem));
            afterRadio();
            return;
        }
        valuesSet_ = values.described();
    }
    sent_ = QByteArray(kTransferBytes, '\0');
    written_ = Image();
    RadioImage packed = Image();
    PackImageInto(packed, sent_);
    imageHash_ = QString::fromLatin1(QCryptographicHash::hash(sent_, QCryptographicHash::Sha256).toHex());

    answers_->last.clear();
    engine_->setVerifyAfterWrite(true);
    setStage(Stage::Writing);
    if (!engine_->StartWrite(LinkEngine::Confirm::Given)) {
        const QString why = answers_->last.isEmpty() ? LangText(31125) : oneLine(answers_->last);
        Image() = base_;
        logRow(FleetResult::Refused, why);
        afterRadio();
    }
}

void FleetSession::onWritten(bool success)
{
    const LinkOutcome &o = engine_->lastOutcome();
    const int band = Image().header.model.bandMode;
    FleetResult result;
    QString details;
    auto holds = [&] {
        if (o.writtenBytes <= 0)
            return LangText(31121);
        if (o.writtenBytes >= kTransferBytes)
            return LangText(31122);
        const int last = o.writtenBytes - 1;
        return LangText(31123).arg(QStringLiteral("%1").arg(last, 4, 16, QLatin1Char('0')).toUpper(),
                                   StoredDiff::BlockPlace(last & ~0xF, band));
    };
    if (success && o.verified) {
        result = FleetResult::Verified;
    } else if (o.cancelled) {
        result = FleetResult::Cancelled;
        details = holds();
    } else if (!o.differences.isEmpty()) {
        result = FleetResult::VerifyFailed;
        QStringList first = o.differences.mid(0, kDifferencesLogged);
        if (o.differences.size() > kDifferencesLogged)
            first << QStringLiteral("(+%1)").arg(o.differences.size() - kDifferencesLogged);
        details = first.join(QStringLiteral("; "));
    } else if (o.writtenBytes <= 0) {
        result = FleetResult::Refused;
        details = answers_->last.isEmpty() ? LangText(31121) : oneLine(answers_->last);
    } else if (o.writtenBytes >= kTransferBytes) {
        result = FleetResult::VerifyFailed;
        details = LangText(31126);
    } else {
        result = FleetResult::Partial;
        details = holds();
    }
    logRow(result, details, true);
    Image() = base_;
    afterRadio();
}

void FleetSession::logRow(FleetResult result, const QString &details, bool written)
{
    FleetLogRow row;
    row.time = QDateTime::currentDateTime();
    row.serial = radio_.serial;
    row.firmware = radio_.firmware;
    row.model = DisplayModelName(radio_.model);
    row.band = radio_.band >= 0 ? BandName(radio_.band) : QString();
    row.result = result;
    row.details = details;
    row.valuesSet = valuesSet_;
    row.imageHash = imageHash_;
    // A receipt for every write that was started; a radio refused before it gets none.
    if (receipts_ && written) {
        const QString problem = receipts_(FleetReceipt{radio_, row, written_, sent_, engine_->lastOutcome()});
        if (!problem.isEmpty())
            row.details = row.details.isEmpty() ? problem : row.details + QStringLiteral("; ") + problem;
    }
    QString problem;
    if (!log_.append(row, &problem))
        emit notice(LangText(31131).arg(log_.path(), problem));
    ++summary_.counts[int(result)];
    if (result != FleetResult::Verified)
        summary_.failed << row;
    emit radioLogged(row);
}

void FleetSession::afterRadio()
{
    if (cancelRequested_ || (options_.count > 0 && summary_.total() >= options_.count)) {
        // After the engine has finished with its own reporting of this operation.
        QTimer::singleShot(0, this, &FleetSession::finishSession);
        return;
    }
    if (options_.next == FleetOptions::Next::Enter) {
        setStage(Stage::WaitingForUser);
    } else {
        setStage(Stage::WaitingForChange);
        probeSoon(kProbeAgainMs);
    }
}

void FleetSession::finishSession()
{
    if (stage_ == Stage::Finished)
        return;
    probeTimer_.stop();
    Image() = base_;
    summary_.cancelled = cancelRequested_;
    if (previousPrompts_) {
        setPrompts(previousPrompts_);
        previousPrompts_ = nullptr;
    }
    setStage(Stage::Finished);
    emit finished(summary_);
}
