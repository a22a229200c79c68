#include "PlayerApplication.h"

#include "ProgramFolder.h"
#include "ResourceFiles.h"
#include "StandardCommands.h"
#include "TAnimate.h"
#include "TFrameForm.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TShortKey.h"
#include "WindowCommands.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QIcon>

PlayerApplication::PlayerApplication(Setup setup)
    : setup_(std::move(setup)), store_(ProgramFile(QStringLiteral("Options.ini"))), site_(store_) {
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/sorvi.svg")));

    // The embedded default skin and decoder engine are written out when missing;
    // a failure is reported and start-up goes on without them.
    const QStringList problems = ExtractMissingProgramFiles();

    createGlobalObjects();
    installCommands();

    mainWindow_ = std::make_unique<TKvMp3PlayForm>(*option_);
    connect(mainWindow_.get(), &TKvMp3PlayForm::commandRequested, this, [this](const QString& c) { DoCommand(c); });
    connect(mainWindow_.get(), &TKvMp3PlayForm::closeRequested, this,
            [this] { DoCommand(QStringLiteral("#Exit")); });
    connect(option_.get(), &TOption::titleChanged, this,
            [this] { mainWindow_->setWindowTitle(option_->ApplicationTitle()); });
    connect(option_.get(), &TOption::statusChanged, this,
            [this] { mainWindow_->setWindowTitle(option_->ApplicationTitle()); });
    LoadWindowPlacement(*mainWindow_, store_);

    for (const QString& problem : problems)
        messenger_->ShowMessageBox(problem, MsgBox::IconStop);
}

void PlayerApplication::createGlobalObjects() {
    animate_ = std::make_unique<TAnimate>();
    option_ = std::make_unique<TOption>(store_);
    shortKey_ = std::make_unique<TShortKey>(store_);
}

void PlayerApplication::installCommands() {
    dispatcher_ = std::make_unique<TCommandDispatcher>(*option_);
    messenger_ = std::make_unique<Messenger>(*option_, *setup_.dialogs);
    dispatcher_->SetShellOpen(setup_.shellOpen);
    option_->SetCommandRunner([this](const QString& command) { DoCommand(command); });

    InstallStandardCommands(*dispatcher_, *option_, site_, StandardCommandPorts{});
    InstallWindowCommands(*dispatcher_, *this);
}

void PlayerApplication::PostCommand(const QString& command) { option_->PostCommand(command); }

void PlayerApplication::Start() {
    displayWindow_ = std::make_unique<TFrameForm>(store_);
    connect(displayWindow_.get(), &TFrameForm::filesDropped, this,
            [this](const QStringList& files) { Q_UNUSED(files); });
    LoadWindowPlacement(*displayWindow_, store_);
    mainWindow_->show();
    runStartupCommands();
    displayWindow_->setAcceptDrops(true);
}

void PlayerApplication::runStartupCommands() {
    // The persisted play modes are applied as a skin section is applied; until
    // a skin dresses the window, they are applied here once.
    option_->Load();
}

void PlayerApplication::CloseMainWindow() {
    if (closed_)
        return;
    closed_ = true;
    if (option_->Playing())
        DoCommand(QStringLiteral("#Stop"));
    mainWindow_->setAcceptDrops(false);
    mainWindow_->hide();
    SaveWindowPlacement(*mainWindow_, store_);
    emit finished();
}

PlayerApplication::~PlayerApplication() {
    CloseMainWindow();
    if (displayWindow_ && displayWindow_->isVisible())
        displayWindow_->close();
    displayWindow_.reset();
    mainWindow_.reset();
    // Free the global objects: hot keys first, the animation last.
    shortKey_.reset();
    option_->SetCommandRunner(nullptr);
    messenger_.reset();
    dispatcher_.reset();
    option_.reset();
    animate_.reset();
}
