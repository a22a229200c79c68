#include "PlayerPopupMenu.h"

#include "MenuStyle.h"

#include <QStyleOptionMenuItem>

OwnerDrawnMenu::OwnerDrawnMenu(const QString& title, QStyle* style, bool sideBar, QWidget* parent)
    : QMenu(title, parent) {
    setProperty("sorviSideBar", sideBar);
    setStyle(style);
    // Every item is painted by the style; keep the window's ground opaque.
    setAutoFillBackground(false);
}

void OwnerDrawnMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!action)
        return;
    const QString hotKey = PlayerActions::HotKeyOf(action);
    if (!hotKey.isEmpty() && !action->menu())
        option->text = option->text.section(QLatin1Char('\t'), 0, 0) + QLatin1Char('\t') + hotKey;
}

namespace {
// A dash is a separator.
const QString kSep = QStringLiteral("-");
} // namespace

PlayerPopupMenu::PlayerPopupMenu(PlayerActions& actions, QWidget* parent)
    : OwnerDrawnMenu(QString(), nullptr, true, parent), actions_(actions), style_(new MenuStyle) {
    style_->setParent(this);
    setStyle(style_);
    setObjectName(QStringLiteral("PopupMenu"));

    addItems(this, {QStringLiteral("AboutAction"), QStringLiteral("HomePageAction"), kSep,
                    QStringLiteral("ListAction")});
    addSub(QStringLiteral(QT_TR_NOOP("Play")),
           {QStringLiteral("PrevAction"), QStringLiteral("PlayPauseAction"), QStringLiteral("StopAction"),
            QStringLiteral("NextAction"), kSep, QStringLiteral("ForwardAction"),
            QStringLiteral("RewindAction"), kSep, QStringLiteral("SingleAction"),
            QStringLiteral("SilentAction"), kSep, QStringLiteral("DisplayAction")});
    addSub(QStringLiteral(QT_TR_NOOP("File")),
           {QStringLiteral("AddSongAction"), QStringLiteral("UrlAction"), QStringLiteral("SearchAction"),
            kSep, QStringLiteral("FileManagerAction"), QStringLiteral("TextureAction")});
    addSub(QStringLiteral(QT_TR_NOOP("Lyrics")),
           {QStringLiteral("LrcAction"), QStringLiteral("LrcEditAction"), kSep,
            QStringLiteral("DownloadLrcAction"), QStringLiteral("UpLoadLrcAction")});
    addItems(this,
             {QStringLiteral("ID3Action"), QStringLiteral("EQProAction"), QStringLiteral("DisplayAction")});
    addSub(QStringLiteral(QT_TR_NOOP("Options")),
           {QStringLiteral("TextureAction"), kSep, QStringLiteral("ShuffleAction"),
            QStringLiteral("RepeatAction"), QStringLiteral("SingleAction"), QStringLiteral("SperateAction"),
            kSep, QStringLiteral("CheckUpdateAction")});
    addItems(this, {QStringLiteral("OptionAction"), QStringLiteral("HelpAction"), kSep,
                    QStringLiteral("MinimizeAction"), QStringLiteral("ExitAction")});

    // The restore item is the default while the main window is hidden, also
    // when the menu is made after it was hidden.
    auto showDefault = [this](bool isDefault) {
        setDefaultAction(isDefault ? actions_.action(QStringLiteral("MinimizeAction")) : nullptr);
    };
    showDefault(actions_.MainWindowHidden());
    connect(&actions_, &PlayerActions::minimizeDefaultChanged, this, showDefault);
    // The hot keys may have been edited since the menu was last open.
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (shortCutOf_)
            actions_.RefreshHotKeys(shortCutOf_);
    });
}

PlayerPopupMenu::~PlayerPopupMenu() {
    // The submenus use the style: they go before it.
    for (QMenu* menu : findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        delete menu;
    setStyle(nullptr);
    delete style_;
}

void PlayerPopupMenu::addItems(QMenu* menu, const QStringList& actionNames) {
    for (const QString& name : actionNames) {
        if (name == kSep)
            menu->addSeparator();
        else
            menu->addAction(actions_.action(name));
    }
}

QMenu* PlayerPopupMenu::addSub(const QString& title, const QStringList& actionNames) {
    auto* menu = new OwnerDrawnMenu(tr(title.toUtf8().constData()), style_, false, this);
    menu->setObjectName(title + QStringLiteral("Menu"));
    addItems(menu, actionNames);
    addMenu(menu);
    return menu;
}

QMenu* PlayerPopupMenu::submenu(const QString& title) const {
    for (QAction* a : actions())
        if (a->menu() && a->menu()->objectName() == title + QStringLiteral("Menu"))
            return a->menu();
    return nullptr;
}

void PlayerPopupMenu::PopupAt(const QPoint& globalPos) {
    if (shortCutOf_)
        actions_.RefreshHotKeys(shortCutOf_);
    popup(globalPos);
}
