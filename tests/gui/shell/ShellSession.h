#pragma once
// The main window in a throw-away installation with scripted answers, and the
// demonstration radio (holding the document's image) when a test asks for it.
#include "ShellTestKit.h"

#include "DemoRadio.h"
#include "LangText.h"
#include "LinkState.h"
#include "MemoryMap.h"
#include "RadioImage.h"
#include "PortList.h"
#include "SimulatedRadio.h"
#include "frmMain.h"

#include <memory>

struct ShellSession {
    std::unique_ptr<ShellInstall> install = std::make_unique<ShellInstall>();
    std::unique_ptr<ScriptedPrompts> answers = std::make_unique<ScriptedPrompts>();
    std::unique_ptr<frmMain> main = (ResetLinkState(), std::make_unique<frmMain>());
    std::unique_ptr<SimulatedRadio> radio;

    // Starts the radio on a pseudo-terminal and pins it as the link's device.
    bool startRadio(QString *error) { radio.reset(StartDemoRadio(nullptr, error)); return bool(radio); }

    ~ShellSession()
    {
        main.reset();
        radio.reset();
        PinRunDevice(QString());
    }

    // How a message appears in the answers' log.
    static QString msg(int id) { return QStringLiteral("message: ") + LangText(id); }
    // The success message of a write that was read back (verify is on by default).
    static QString verifiedWriteMsg() { return msg(9010) + QLatin1Char('\n') + LangText(30600); }
    // The radio memory that holds `img` (what a write of it leaves in the radio).
    static QByteArray packed(RadioImage img)
    {
        QByteArray b(kTransferBytes, '\0');
        PackImageInto(img, b);
        return b;
    }
};
