#pragma once

#include "PlayerActions.h"

#include <QMenu>

class MenuStyle;

// One menu of the player's owner-drawn pop-up: it shows the hot key bound to
// each action's command right of the caption.
class OwnerDrawnMenu : public QMenu {
    Q_OBJECT
public:
    OwnerDrawnMenu(const QString& title, QStyle* style, bool sideBar, QWidget* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

// The player's pop-up menu, shared by the main window, the display window and
// the tray icon. Its items are the actions of PlayerActions; the minimize item
// is the default (bold) item while the main window is hidden.
class PlayerPopupMenu : public OwnerDrawnMenu {
    Q_OBJECT
public:
    explicit PlayerPopupMenu(PlayerActions& actions, QWidget* parent = nullptr);
    ~PlayerPopupMenu() override;

    // A submenu by its English title ("Play", "File", "Lyrics", "Options"), or null.
    QMenu* submenu(const QString& title) const;
    MenuStyle& menuStyle() const { return *style_; }

    // Where the hot-key texts come from; read each time the menu opens.
    void SetShortCutOf(PlayerActions::ShortCutOf shortCutOf) { shortCutOf_ = std::move(shortCutOf); }
    // Opens the menu at a point of the screen without waiting for a choice.
    void PopupAt(const QPoint& globalPos);

private:
    QMenu* addSub(const QString& title, const QStringList& actionNames);
    void addItems(QMenu* menu, const QStringList& actionNames);

    PlayerActions& actions_;
    MenuStyle* style_;
    PlayerActions::ShortCutOf shortCutOf_;
};
