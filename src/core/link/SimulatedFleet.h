#pragma once
#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

class SimulatedRadio;

// A row of radios played by one simulated radio, one after the other on the same line,
// as a user programming a fleet connects them: once a write has ended ("END") and a
// pause has passed, the radio is taken away (nothing answers for a moment) and the next
// one is connected, with its own serial number and the memory the first one had. A
// pause that ends while an exchange runs (the read back after the write) takes the
// radio away at that exchange's "END". After the last radio nothing answers any more.
//
// A radio that is talked to but not written (refused by the programmer) is taken away
// when no write has begun a while after its first "END", as a user unplugs it.
//
// On request a radio stores one byte wrongly (its check after writing fails) or
// belongs to another band than the others.
class SimulatedFleet : public QObject {
    Q_OBJECT
public:
    // The byte a radio that fails verify stores wrongly, and how: a channel's frequency.
    static constexpr int kFaultAddress = 0x0102;
    static constexpr int kFaultMask = 0x10;

    SimulatedFleet(SimulatedRadio &radio, int count, QObject *parent = nullptr);

    int pauseMs = 500;        // after a write's "END", before the radio is taken away
    int gapMs = 300;          // no radio on the line between two radios
    int unwrittenMs = 1500;   // after the first "END" of a radio that is not written
    QSet<int> failsVerify;    // radio numbers (from 1) that store one byte wrongly
    QSet<int> otherBand;      // radio numbers of another band than the first

    // Puts radio 1 on the line with what the simulated radio holds now.
    void begin();
    int count() const { return count_; }
    int current() const { return current_; }   // the radio on the line; 0 between and after
    static QString serialOf(int number);

signals:
    void radioConnected(int number, const QString &serial);
    void radioRemoved(int number);

private:
    void onCommand(const QByteArray &command);
    void onPauseOver();
    void takeAway();
    void connectRadio(int number);

    SimulatedRadio &radio_;
    int count_ = 0;
    int current_ = 0;
    int lastNumber_ = 0;
    bool written_ = false;
    bool leaveAtEnd_ = false;
    QByteArray baseMemory_;
    QByteArray baseInfo_;
    int baseBand_ = 0;
    QTimer pause_;
    QTimer unwritten_;
    QTimer gap_;
};
