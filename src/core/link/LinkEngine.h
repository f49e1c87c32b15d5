#pragma once
#include "LinkOutcome.h"
#include "LinkState.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class MSComm1;
class LinkUi;

// The radio link: reads the radio's memory, writes it, and reads the information area.
//
// A state machine on the GUI thread, driven by recognised replies (MSComm1::OnComm) and
// by the reply time-out WaitTimer (150 ms). Its variables are the run's LinkState
// (Link()). It never opens a window: messages and questions go through prompts(), the
// password dialog and the progress window through LinkUi.
//
//   read      "PROGRAM", 02, password block 3E10, model check, 464 blocks 0000..1CF0, "END"
//   write     the same up to the model check, then 464 data frames, "END"
//   info      "PROGRAM", 02, 16 blocks 3E00..3EF0, "END"
//
// Front ends:
//   - StartRead / StartWrite ask 9004 / 9005 (unless the caller has confirmed already),
//     open the progress window through LinkUi and return; the transfer runs on.
//   - StartRadioInfoRead starts at once (no question, no progress window).
//   - transferConfirmed(operation) is emitted once the user has confirmed a read or a
//     write, before anything is sent (for a write the transfer buffer is packed then).
//   - Cancel() ends the operation early: the exchange in flight finishes, "END" is
//     sent, the port closed; lastOutcome() tells how far a write got.
//   - With setVerifyAfterWrite(true) a write's "END" is followed by a second exchange
//     that reads the memory back; the write succeeds only when the radio holds what
//     was sent (lastOutcome().differences names what it does not).
//   - operationFinished(operation, success) is emitted once for every operation that
//     started, after the port is closed, the progress window removed and the engine is
//     idle again, before the success message (9009 / 9010). On a successful read the
//     desktop program closes its child windows and starts ReadOKTimer, whose tick calls
//     ApplyReadToImage(); on a successful radio-information read CurrentRadioInfo()
//     holds the decoded area and FrmRadioInfo can be shown.
class LinkEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int kWaitTimerMs = 150;
    // Send-again (0A) replies in a row to one data frame that count as one failed try.
    static constexpr int kMaxSendAgainInARow = 10;
    enum class Confirm { Ask, Given };
    // Quiet: a read that is one step of a larger command (reading the radio before a
    // write, to show what the write changes) ends without its own success message.
    enum class Report { Say, Quiet };

    LinkEngine(MSComm1 &port, LinkUi &ui, QObject *parent = nullptr);

    // False when nothing was started (busy: a message names the running command; port
    // cannot be opened, cancelled, or a write whose image does not fit the radio).
    bool StartRead(Confirm confirm = Confirm::Ask, Report report = Report::Say);
    bool StartWrite(Confirm confirm = Confirm::Ask);
    bool StartRadioInfoRead();
    bool isBusy() const { return Link().LinkOperation != LinkIdle; }

    // Stops the running operation as soon as the exchange in flight has ended.
    void Cancel();
    bool cancelRequested() const { return cancelRequested_; }
    void setVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    bool verifyAfterWrite() const { return verifyAfterWrite_; }
    const LinkOutcome &lastOutcome() const { return outcome_; }

    // The read's result into the working image (the tick of ReadOKTimer): unpacks the
    // transfer buffer with the radio's band. False, image unchanged, for a band mode
    // outside 0..2 ("Country Mode Error!" shown).
    static bool ApplyReadToImage();

    MSComm1 &port() { return port_; }

    // The engine's reaction to one whole reply (what OnComm cuts from the receive buffer
    // at RThreshold); the fuzz targets feed frames through here.
    void feedReply(const QByteArray &frame) { recognise(frame); }

signals:
    void transferConfirmed(int operation);
    void operationFinished(int operation, bool success);

private:
    // True, after saying which command runs, when another operation has not ended.
    bool refusedWhileBusy();
    bool openLinkPort(int operation);
    void prepareOperation(int operation);
    void beginTransfer(int operation);

    void send(const QByteArray &command, int replyLength, bool entry = false);
    void sendEntry();
    void sendIdent();
    void readPasswordBlock();
    void nextReadBlock();
    void repeatReadBlock();
    void nextWriteBlock();
    void repeatWriteBlock();
    void sendEnd();

    void onComm();
    void recognise(const QByteArray &frame);
    void onPasswordBlock(const QByteArray &data);
    void storeBlock(const QByteArray &data);
    void advance();
    void onTimeout();
    void blockFailed();   // a block's try failed: repeat it while tries are left, else ask
    bool checkRadioModel();
    bool passesModelCheck();
    void askRetry();
    void askRetryInfo();
    void showProgress();
    void finish(bool success);
    void onPortFailed(const QString &reason);
    void endOnPortFailure();
    bool portLostDuringPrompt();
    int &operationState();

    // Cancel and verify (LinkEngineSafety.cpp).
    void startOutcome(int operation);
    bool beforeSend(QByteArray &command, int &replyLength);
    bool beginVerify();
    bool settleOutcome(bool success);
    void reportOutcome(int operation, bool success);
    QString retryQuestion() const;

    MSComm1 &port_;
    LinkUi &ui_;
    QTimer waitTimer_;
    bool inPrompt_ = false;
    bool portFailed_ = false;
    QString portFailure_;
    int transferToken_ = 0;
    bool cancelRequested_ = false;
    bool verifyAfterWrite_ = false;
    bool quietSuccess_ = false;   // of the operation running
    bool verifying_ = false;          // the read back after a write runs
    QByteArray sentBuffer_;           // what the write sent, while it is read back
    LinkOutcome outcome_;
    int sendAgainInARow_ = 0;
};
