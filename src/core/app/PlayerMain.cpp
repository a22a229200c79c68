#include "PlayerMain.h"

#include "CommandInbox.h"
#include "CommandLine.h"
#include "DesktopShell.h"
#include "ModalWindows.h"
#include "FileName.h"
#include "PlayerApplication.h"
#include "PlayerQApplication.h"
#include "PlayerTranslation.h"
#include "ProgramFolder.h"
#include "QtDialogLayer.h"
#include "SingleInstance.h"
#include "TOption.h"
#include "TSplashForm.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// How long a second start waits for the running player to take its request. A
// player still starting, or busy in a long command, reads it late.
constexpr int kHandoverTimeoutMs = 15000;

// File names keep their bytes, even when they are not UTF-8 (DecodeFileName).
QStringList argumentsOf(int argc, char** argv) {
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << DecodeFileName(QByteArray(argv[i]));
    return list;
}

// A second start: hand the files (or "#Normal") and any --command strings to
// the running player, and end without a window. A request the player did not
// take is reported, and the exit code says so.
int handOver(const SingleInstance& instance, const CommandLine& line) {
    QStringList requests;
    if (!line.files.isEmpty() || line.commands.isEmpty())
        requests << HandoverCommand(line.files, QDir::currentPath());
    requests << line.commands;
    int failed = 0;
    for (const QString& request : requests) {
        if (instance.SendToPrimary(request, kHandoverTimeoutMs))
            continue;
        ++failed;
        QString shown = request;
        shown.replace(QChar(0), QLatin1Char(' '));
        std::fprintf(stderr, "sorvi: the running player did not take \"%s\"\n", shown.toLocal8Bit().constData());
    }
    return failed == 0 ? 0 : 1;
}

} // namespace

int RunPlayer(int argc, char** argv) {
    const CommandLine line = ParseCommandLine(argumentsOf(argc, argv));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", kProductName, SORVI_VERSION);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "sorvi: %s\n", line.error.toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    // No shared OpenGL context is asked for: it would load the OpenGL driver
    // at every start (tens of milliseconds and megabytes) for the browser
    // module, which most runs never open; the browser draws without it.
    // The engine's sandbox refuses to run as root; any other user keeps it.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Windows are put to the X server through the connection, not through
    // shared memory: the player repaints small areas ten times a second (the
    // band's sweep, the logo, the thumb), and with shared memory every repaint
    // of an area still being read by the server waits for a round trip, and
    // each put wakes the player again with a completion event.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    PlayerQApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvi"));
    QApplication::setApplicationVersion(QStringLiteral(SORVI_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    // Texts in the desktop's language (LC_ALL, LC_MESSAGES, LANG, LANGUAGE).
    const PlayerTranslation translation;

    SingleInstance instance(SingleInstance::KeyForFolder(ProgramFolder()));
    if (!instance.problem().isEmpty()) {
        std::fprintf(stderr, "sorvi: %s\n", instance.problem().toLocal8Bit().constData());
        return 1;
    }
    if (!instance.TryBecomePrimary())
        return handOver(instance, line);

    QString folderProblem;
    if (!MakeProgramFolder(&folderProblem))
        std::fprintf(stderr, "sorvi: %s\n", folderProblem.toLocal8Bit().constData());

    // The socket listens from now on: what later starts hand over is held
    // until the player is ready, and a quit among it is announced at once so
    // that start-up message boxes close. A termination signal runs "#Exit";
    // one that arrives before the player exists closes the boxes and runs it
    // as soon as the player does.
    PlayerApplication* live = nullptr;
    bool exitAsked = false, exitHeld = false;
    CommandInbox inbox;
    inbox.SetQuitRequest([&live, &exitHeld] {
        exitHeld = true;
        if (live)
            live->RequestQuit();
        else
            CloseModalWindows();
    });
    QObject::connect(&instance, &SingleInstance::commandReceived, [&inbox](const QString& c) { inbox.Take(c); });
    // Lives until the player is gone: a signal repeated during shutdown must
    // not end the process before its last writes.
    TerminationSignals signals_;
    QObject::connect(&signals_, &TerminationSignals::terminationRequested, [&live, &exitAsked](int) {
        exitAsked = true;
        if (live)
            live->DoCommand(QStringLiteral("#Exit"));
        else
            CloseModalWindows();
    });

    auto* splash = new TSplashForm;
    splash->show();
    QCoreApplication::processEvents();

    QtDialogLayer dialogs;
    PlayerApplication player({&dialogs, &OpenWithDesktop, line.files});
    live = &player;
    app.SetExceptionReporter(
        [&player](const QString& message) { player.messenger().ShowMessageBox(message, MsgBox::IconStop); });
    if (exitAsked)
        player.DoCommand(QStringLiteral("#Exit"));
    else if (exitHeld)
        player.RequestQuit();

    player.Start();
    for (const QString& command : line.commands)
        player.PostCommand(command);
    inbox.Open([&player](const QString& command) { player.PostCommand(command); });
    splash->Finish();
    const int code = app.exec();
    live = nullptr;
    return code;
}
