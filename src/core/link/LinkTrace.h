#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>

// A hex log of every byte that crosses the serial line, one line per chunk:
//
//     0.012345 TX 50 52 4F 47 52 41 4D
//     0.015102 RX 5A 4A 06
//
// Times are seconds since the trace was opened. Users attach this file to bug reports.
class LinkTrace {
public:
    // Starts the log at `path`; refused (false, the reason in `error`) for a target no
    // written file may have, or one of `others`, the files the command reads or writes.
    bool open(const QString &path, const QStringList &others = {}, QString *error = nullptr);
    bool isOpen() const { return file_.isOpen(); }
    void sent(const QByteArray &bytes) { line("TX", bytes); }
    void received(const QByteArray &bytes) { line("RX", bytes); }
    void note(const QString &text);
    void close() { file_.close(); }

private:
    void line(const char *direction, const QByteArray &bytes);
    QFile file_;
    QElapsedTimer clock_;
};
