// The desktop programmer: start-up steps, splash, then the main window.
//
//   tarven [--demo] [--port DEVICE|auto] [FILE.dat] | --help | --version
//
// FILE.dat, when given, is opened as soon as the main window shows.
// FILE.dat, when given, is opened as soon as the main window shows.
// --demo runs a simulated radio inside the program and uses it as the port, so every
// radio command can be tried without a cable; --port uses DEVICE for every link
// operation of this run. With TARVEN_BENCH=1 the program prints when the splash and the
// main window first appear and its peak memory, then quits.
#include "DemoRadio.h"
#include "DesktopCommandLine.h"
#include "DisplayCheck.h"
#include "FileChooser.h"
#include "LangText.h"
#include "PortList.h"
#include "RunSettings.h"
#include "SerialDevices.h"
#include "Startup.h"
#include "UiBenchClock.h"
#include "UiFileDialogs.h"
#include "UiPrompts.h"
#include "UiScreenFit.h"
#include "UiWindowCatalog.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const DesktopCommandLine commandLine = ParseDesktopCommandLine(arguments);
    if (commandLine.finished)
        return commandLine.status;
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayLine()));
        return 1;
    }

    BenchClock bench;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarven"));
    KeepDialogsOnScreen(&app);

    UiPrompts uiPrompts;
    setPrompts(&uiPrompts);
    UiFileDialogs fileDialogs;
    setFileChooser(&fileDialogs);

    RunStartupSteps();
    RegisterAllWindows();
    QString port = commandLine.port;
    QString portError;
    if (port == QLatin1String("auto") && !ResolveAutoPort(&port, &portError)) {
        std::fprintf(stderr, "%s\n", qPrintable(portError));
        return 1;
    }
    if (!port.isEmpty())
        PinRunDevice(port);
    if (commandLine.demo) {
        QString error;
        if (!StartDemoRadio(&app, &error)) {
            std::fprintf(stderr, "The simulated radio could not start: %s\n", qPrintable(error));
            return 1;
        }
    }

    QPointer<frmMain> mainWindow;
    auto *splash = new frmSplash([&] {
        bench.mark("splash-end");
        mainWindow = new frmMain;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        uiPrompts.setParentWindow(mainWindow);
        fileDialogs.setParentWindow(mainWindow);
        uiPrompts.onEndProgram = [&] {
            if (mainWindow)
                mainWindow->EndWithoutQuestions();
            else
                QApplication::exit(0);
        };
        bench.watchFirstPaint(mainWindow, "main-shown", true);
        mainWindow->show();
        if (!commandLine.startFile.isEmpty())
            mainWindow->OpenDocumentFile(commandLine.startFile);
    });
    bench.watchFirstPaint(splash, "splash-shown", false);
    splash->show();
    // The application title, also the name under which the window placement is kept.
    QCoreApplication::setApplicationName(LangText(12000));

    const int status = app.exec();
    setPrompts(nullptr);
    setFileChooser(nullptr);
    return status;
}
