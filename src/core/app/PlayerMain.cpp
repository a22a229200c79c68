#include "PlayerMain.h"

#include "CommandLine.h"
#include "DesktopShell.h"
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

namespace {

// File names keep their bytes, even when they are not UTF-8 (DecodeFileName).
QStringList argumentsOf(int argc, char** argv) {
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << DecodeFileName(QByteArray(argv[i]));
    return list;
}

// A second start: hand the files (or "#Normal") and any --command strings to
// the running player, and end without a window.
int handOver(const SingleInstance& instance, const CommandLine& line) {
    if (!line.files.isEmpty() || line.commands.isEmpty())
        instance.SendToPrimary(HandoverCommand(line.files, QDir::currentPath()));
    for (const QString& command : line.commands)
        instance.SendToPrimary(command);
    return 0;
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

    PlayerQApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvi"));
    QApplication::setApplicationVersion(QStringLiteral(SORVI_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    // Texts in the desktop's language (LC_ALL, LC_MESSAGES, LANG, LANGUAGE).
    const PlayerTranslation translation;

    SingleInstance instance(SingleInstance::KeyForFolder(ProgramFolder()));
    if (!instance.TryBecomePrimary())
        return handOver(instance, line);

    auto* splash = new TSplashForm;
    splash->show();
    QCoreApplication::processEvents();

    QtDialogLayer dialogs;
    PlayerApplication player({&dialogs, &OpenWithDesktop, line.files});
    app.SetExceptionReporter(
        [&player](const QString& message) { player.messenger().ShowMessageBox(message, MsgBox::IconStop); });
    QObject::connect(&instance, &SingleInstance::commandReceived, &player, &PlayerApplication::PostCommand);

    TerminationSignals signals_;
    QObject::connect(&signals_, &TerminationSignals::terminationRequested, &player,
                     [&player](int) { player.PostCommand(QStringLiteral("#Exit")); });

    player.Start();
    for (const QString& command : line.commands)
        player.PostCommand(command);
    splash->Finish();
    return app.exec();
}
