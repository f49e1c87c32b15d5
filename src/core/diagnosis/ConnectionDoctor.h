#pragma once
#include "AccessAdvice.h"
#include "DeviceSurvey.h"
#include "IdentProbe.h"
#include "PortHolders.h"
#include "SystemView.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The checks a support conversation about a serial connection goes through, each with
// a verdict and, where something is wrong, the fix in plain words: the serial devices
// present, whether this user may open the port, who holds it, whether the line echoes,
// and what radio answers the identification request (the memory is never touched).
struct DoctorCheck {
    enum class Verdict { Ok, Note, Problem };
    QString topic;          // "devices", "access", "holders", "modemmanager", "brltty", "cable", "radio"
    Verdict verdict = Verdict::Ok;
    QString finding;
    QString fix;
};

struct DoctorOptions {
    QString port;           // empty: the only USB serial device, if there is one
    bool probe = true;      // ask the radio for its identification
    int ownPid = 0;         // this program, not counted as holding the port
    IdentProbeOptions probeOptions;
};

struct DoctorReport {
    QList<SurveyedDevice> devices;
    QString port;                    // the port checked; empty when none could be chosen
    SurveyedDevice portDevice;
    AccessAdvice access;
    PortHolders holders;
    bool probed = false;
    IdentProbeResult probe;
    QList<DoctorCheck> checks;

    bool healthy() const;            // no check found a problem
};

DoctorReport RunConnectionDoctor(const SystemView &system, const DoctorOptions &options);

// The report as lines for a terminal or a support message, and as JSON.
QString DoctorReportText(const DoctorReport &report);
QJsonObject DoctorReportJson(const DoctorReport &report);
// "driver ch341-uart, USB 1a86:7523 (CH340), QinHeng USB Serial; crw-rw---- root:dialout"
QString SurveyedDeviceDetails(const SurveyedDevice &device);
