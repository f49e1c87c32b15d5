#pragma once
// The real link on a pseudo-terminal: engine, serial layer and QSerialPort on one side,
// the simulated radio on the other, in a throw-away installation.
#include "HeadlessLinkUi.h"
#include "LinkEngine.h"
#include "LangText.h"
#include "LinkFrames.h"
#include "LinkState.h"
#include "MSComm1.h"
#include "MemoryMap.h"
#include "Models.h"
#include "NewImage.h"
#include "PortList.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "ScriptedPrompts.h"
#include "SimulatedRadio.h"
#include "Startup.h"
#include "TestProgramDir.h"
#include "VersionTable.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

// How many times the radio was asked to read, or sent a write of, the block at `address`.
inline int readsOf(const SimulatedRadio &radio, int address)
{
    return int(std::count(radio.commands().begin(), radio.commands().end(),
                          LinkFrames::readCommand(address, 16)));
}

inline int writesOf(const SimulatedRadio &radio, int address)
{
    int n = 0;
    for (const QByteArray &c : radio.commands())
        n += c.size() == 22 && c.at(0) == 'W' && (uint8_t(c.at(1)) << 8 | uint8_t(c.at(2))) == address;
    return n;
}

// Generous upper bound for any one operation; a clean read takes well under a second.
constexpr int kOperationLimitMs = 20000;

struct LinkRig {
    TestProgramDir dir;
    ScriptedPrompts answers;
    SimulatedRadio radio;
    MSComm1 port;
    HeadlessLinkUi ui;
    LinkEngine engine{port, ui};
    QSignalSpy finished{&engine, &LinkEngine::operationFinished};

    explicit LinkRig(int band = 0)
    {
        ResetLinkState();
        LoadVersionTable();
        InitDefaults();
        SetCurrentBand(band);
        BuildNewImage();
        radio.band = band;
        radio.setDemoInfo();
        radio.setPassword(QString());
        if (radio.start())
            PinRunDevice(radio.devicePath());
    }
    ~LinkRig()
    {
        PinRunDevice(QString());
        ResetLinkState();
    }

    // Waits until the operation has ended; true when it ended with success.
    bool waitResult()
    {
        if (finished.isEmpty() && !finished.wait(kOperationLimitMs))
            return false;
        return finished.takeFirst().at(1).toBool();
    }
    bool ended() const { return !engine.isBusy(); }

    // Simulator memory from a packed image.
    static QByteArray packed(RadioImage img)
    {
        QByteArray b(kTransferBytes, '\0');
        PackImageInto(img, b);
        return b;
    }
};
