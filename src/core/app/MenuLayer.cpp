#include "MenuLayer.h"

#include "ApplicationEvents.h"
#include "PlayerPopupMenu.h"
#include "PlayerTray.h"
#include "TCommandDispatcher.h"
#include "TOption.h"
#include "TPlayControl.h"

#include <QCursor>

MenuLayer::MenuLayer(const Ports& ports, QObject* parent) : QObject(parent), ports_(ports) {
    actions_ = std::make_unique<PlayerActions>(*ports_.option, ports_.pages, ports_.run);
    actions_->RefreshHotKeys(ports_.shortCutOf);
    tray_ = std::make_unique<PlayerTray>(*ports_.option, ports_.run);
    events_ = std::make_unique<ApplicationEvents>(*ports_.mainWindow, ports_.post);
    actions_->SetMainWindowHidden(!ports_.mainWindow->isVisible());

    connect(events_.get(), &ApplicationEvents::mainWindowHiddenChanged, actions_.get(),
            &PlayerActions::SetMainWindowHidden);
    connect(events_.get(), &ApplicationEvents::contextMenuRequested, this,
            [this](const QPoint& at) { menu().PopupAt(at); });
    connect(events_.get(), &ApplicationEvents::applicationDeactivated, this,
            &MenuLayer::hotKeySuspensionCleared);
    if (ports_.control)
        connect(ports_.control, &TPlayControl::currentSongLoaded, actions_.get(), &PlayerActions::SongLoaded);

    if (ports_.dispatcher)
        ports_.dispatcher->SetHandler(QStringLiteral("#MENU"),
                                      [this](const CommandCall&) { menu().PopupAt(QCursor::pos()); });
}

PlayerPopupMenu& MenuLayer::menu() {
    // Made when first asked for: its owner-drawn style paints a side picture
    // with text, work the start of the player need not wait for.
    if (!menu_) {
        menu_ = std::make_unique<PlayerPopupMenu>(*actions_);
        menu_->SetShortCutOf(ports_.shortCutOf);
    }
    return *menu_;
}

MenuLayer::~MenuLayer() {
    if (ports_.dispatcher)
        ports_.dispatcher->SetHandler(QStringLiteral("#MENU"), nullptr);
    Close();
}

void MenuLayer::AddWindow(QWidget& window) {
    events_->WatchForContextMenu(window);
}

void MenuLayer::Close() {
    if (tray_)
        tray_->Remove();
    if (menu_)
        menu_->hide();
}
