// The desktop programmer: start-up steps, splash, then the main window.
//
//   tarven [--demo] [--port DEVICE] [FILE.dat]
//
// FILE.dat, when given, is opened as soon as the main window shows.
// --demo runs a simulated radio inside the program and uses it as the port, so every
// radio command can be tried without a cable; --port uses DEVICE for every link
// operation of this run. With TARVEN_BENCH=1 the program prints when the splash and the
// main window first appear and its peak memory, then quits.
#include "DemoRadio.h"
#include "FileChooser.h"
#include "LangText.h"
#include "PortList.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiBenchClock.h"
#include "UiFileDialogs.h"
#include "UiPrompts.h"
#include "UiWindowCatalog.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    BenchClock bench;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarven"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("TARVEN II programmer"));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Use a simulated radio instead of a serial port."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Use DEVICE for every radio command of this run."),
                                  QStringLiteral("DEVICE"));
    parser.addOption(demo);
    parser.addOption(port);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("A data file to open at start."),
                                 QStringLiteral("[FILE.dat]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.positionalArguments().size() > 1) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }
    // Relative to where the program was started, before anything changes the directory.
    const QString startFile = parser.positionalArguments().isEmpty()
        ? QString() : QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();

    UiPrompts uiPrompts;
    setPrompts(&uiPrompts);
    UiFileDialogs fileDialogs;
    setFileChooser(&fileDialogs);

    RunStartupSteps();
    RegisterAllWindows();
    if (parser.isSet(port))
        PinRunDevice(parser.value(port));
    if (parser.isSet(demo)) {
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
        if (!startFile.isEmpty())
            mainWindow->OpenDocumentFile(startFile);
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
