#pragma once
#include "FleetLog.h"
#include "FleetRadioValues.h"
#include "LinkOutcome.h"
#include "RadioImage.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class LinkEngine;
class MSComm1;
class Prompts;

// How a fleet session goes on from one radio to the next.
struct FleetOptions {
    enum class Next { Enter, Auto };
    Next next = Next::Enter;   // Enter: the user says the next radio is connected;
                               // Auto: as soon as a radio with another serial number answers
    int count = 0;             // stop after this many radios; 0: until cancelled
    bool skipDone = false;     // refuse a serial number the log holds as verified
};

// What a radio said about itself before it is written.
struct FleetRadioIdentity {
    QString serial;
    QString firmware;
    QString model;
    int band = -1;
};

// Counts by result, the radios that did not end verified and why, and the log.
struct FleetSummary {
    int counts[kFleetResultCount] = {};
    QList<FleetLogRow> failed;   // every row that is not "verified", in order
    QString logPath;
    bool cancelled = false;
    int total() const;
};

// The summary as lines of text in the user's language.
QStringList FleetSummaryLines(const FleetSummary &summary);

// What a receipt in the radio history needs about one radio the session wrote to.
struct FleetReceipt {
    FleetRadioIdentity radio;
    FleetLogRow row;
    RadioImage written;          // the image sent, per-radio values included
    QByteArray sent;             // its 7424 bytes
    LinkOutcome outcome;         // how far the write got, what the read back found
};
// Records a receipt; an empty text on success, else why it could not be recorded (the
// session goes on and the log row says so).
using FleetReceiptRecorder = std::function<QString(const FleetReceipt &receipt)>;

// One image into many radios, each checked after writing and logged by its serial
// number. A state machine on the event loop over its own link engine (the run's port
// settings say which device); it opens no window. Questions the engine would ask are
// answered no while the session runs, its messages become the reasons in the log.
//
// For every radio: wait until a radio answers (a radio-information read: serial number,
// firmware, model and band), refuse one that does not match the image, apply the
// per-radio values, write with the check after writing, record the receipt, log the
// row; then wait for the next radio (Enter: nextRadioConnected(); Auto: until a radio
// with another serial number answers). Cancel ends the radio in flight safely ("END"
// after the exchange in flight) and logs what it holds.
//
// The session works on the working image Image(): it keeps a copy when it starts, puts
// each radio's image there while that radio is written and restores the copy after.
class FleetSession : public QObject {
    Q_OBJECT
public:
    enum class Stage { Idle, WaitingForRadio, Writing, Verifying, WaitingForUser, WaitingForChange, Cancelling, Finished };
    static constexpr int kProbeAgainMs = 50;     // after a probe without an answer
    static constexpr int kSameRadioMs = 250;     // the radio just written still answers
    static constexpr int kPortAgainMs = 1000;    // the port could not be opened

    FleetSession(FleetLog &log, const FleetOptions &options, QObject *parent = nullptr);
    ~FleetSession() override;

    void setValuesTable(const FleetValuesTable *table) { values_ = table; }
    void setValuesApplier(FleetValuesApplier applier) { applier_ = std::move(applier); }
    void setReceiptRecorder(FleetReceiptRecorder recorder) { receipts_ = std::move(recorder); }
    MSComm1 &port();
    LinkEngine &engine();

    void start();
    void nextRadioConnected();   // Enter mode, while WaitingForUser
    void cancel();

    Stage stage() const { return stage_; }
    bool isRunning() const { return stage_ != Stage::Idle && stage_ != Stage::Finished; }
    int radiosDone() const { return summary_.total(); }
    const FleetSummary &summary() const { return summary_; }
    const FleetRadioIdentity &currentRadio() const { return radio_; }
    const FleetOptions &options() const { return options_; }

signals:
    void stageChanged(FleetSession::Stage stage);
    void radioFound(const FleetRadioIdentity &radio);
    void progress(int percent);            // of the write, then of its check
    void radioLogged(const FleetLogRow &row);
    void notice(const QString &text);      // something the user should see; nothing logged
    void finished(const FleetSummary &summary);

private:
    class Ui;
    class Answers;

    void setStage(Stage stage);
    void probeSoon(int ms);
    void probe();
    void onOperationFinished(int operation, bool success);
    void onProbed(bool success);
    void handleRadio(const FleetRadioIdentity &radio);
    QString refusal(const FleetRadioIdentity &radio) const;
    void onWritten(bool success);
    void logRow(FleetResult result, const QString &details, bool written = false);
    void afterRadio();
    void finishSession();

    FleetLog &log_;
    FleetOptions options_;
    std::unique_ptr<MSComm1> port_;
    std::unique_ptr<Ui> ui_;
    std::unique_ptr<LinkEngine> engine_;
    std::unique_ptr<Answers> answers_;
    Prompts *previousPrompts_ = nullptr;
    const FleetValuesTable *values_ = nullptr;
    FleetValuesApplier applier_;
    FleetReceiptRecorder receipts_;
    QTimer probeTimer_;
    Stage stage_ = Stage::Idle;
    bool cancelRequested_ = false;
    bool awaitingNew_ = false;   // the next answer must come from another serial number
    RadioImage base_;
    FleetRadioIdentity radio_;
    QString lastSerial_;
    QString valuesSet_;
    QByteArray sent_;
    RadioImage written_;
    QString imageHash_;
    FleetSummary summary_;
};
