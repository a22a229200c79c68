#include "FileFormActions.h"

#include "TWorkForm.h"
#include "WorkPage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QAction* make(QObject* owner, const char* name, const QString& caption, const QKeySequence& keys, bool enabled) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setEnabled(enabled);
    return action;
}
} // namespace

FileFormActions::FileFormActions(QObject* o)
    : NewClassAction(make(o, "NewClassAction", QCoreApplication::translate("TFileForm", "&New Category"), Qt::CTRL | Qt::Key_Insert, false)),
      RenameAction(make(o, "RenameAction", QCoreApplication::translate("TFileForm", "&Rename"), Qt::Key_F2, false)),
      DeleteAction(make(o, "DeleteAction", QCoreApplication::translate("TFileForm", "&Delete"), {}, false)),
      AddSongAction(make(o, "AddSongAction", QCoreApplication::translate("TFileForm", "&Add Files..."), Qt::CTRL | Qt::Key_O, true)),
      ViewAction(make(o, "ViewAction", QCoreApplication::translate("TFileForm", "&Explorer Category"), {}, true)),
      SaveAction(make(o, "SaveAction", QCoreApplication::translate("TFileForm", "&Save List"), Qt::CTRL | Qt::Key_S, true)),
      CopyAddrAction(make(o, "CopyAddrAction", QCoreApplication::translate("TFileForm", "&Copy Addr"), Qt::CTRL | Qt::SHIFT | Qt::Key_C, false)),
      CopyFileAction(make(o, "CopyFileAction", QCoreApplication::translate("TFileForm", "C&opy File"), Qt::CTRL | Qt::Key_C, false)),
      PasteAction(make(o, "PasteAction", QCoreApplication::translate("TFileForm", "&Paste"), Qt::CTRL | Qt::Key_V, false)),
      UpScrollAction(make(o, "UpScrollAction", QCoreApplication::translate("TFileForm", "Scroll &Up"), Qt::CTRL | Qt::Key_Up, false)),
      DownScrollAction(make(o, "DownScrollAction", QCoreApplication::translate("TFileForm", "Scroll &Down"), Qt::CTRL | Qt::Key_Down, false)),
      AllAction(make(o, "AllAction", QCoreApplication::translate("TFileForm", "Select &All"), Qt::CTRL | Qt::Key_A, true)),
      PropertyAction(make(o, "PropertyAction", QCoreApplication::translate("TFileForm", "P&roperty"), {}, false)),
      ClearTopTenAction(make(o, "ClearTopTenAction", QCoreApplication::translate("TFileForm", "&Clear TopTen"), {}, true)),
      UrlAction(make(o, "UrlAction", QCoreApplication::translate("TFileForm", "Add &Url"), {}, true)),
      PlayAction(make(o, "PlayAction", QCoreApplication::translate("TFileForm", "&Play"), {}, true)),
      CloseAction(make(o, "CloseAction", QCoreApplication::translate("TFileForm", "&Close"), {}, true)) {}

QList<QAction*> FileFormActions::All() const {
    return {NewClassAction, RenameAction,   DeleteAction,     AddSongAction, ViewAction,     SaveAction,
            CopyAddrAction, CopyFileAction, PasteAction,      UpScrollAction, DownScrollAction, AllAction,
            PropertyAction, ClearTopTenAction, UrlAction,     PlayAction,    CloseAction};
}

QMenu* FileFormActions::NewListMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->addAction(PlayAction);
    menu->setDefaultAction(PlayAction);
    menu->addSeparator();
    menu->addActions({CopyAddrAction, CopyFileAction, PasteAction, AllAction});
    menu->addSeparator();
    menu->addActions({AddSongAction, SaveAction, DeleteAction});
    menu->addSeparator();
    menu->addActions({UpScrollAction, DownScrollAction});
    menu->addSeparator();
    menu->addAction(PropertyAction);
    return menu;
}

QMenu* FileFormActions::NewTreeMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->addActions({NewClassAction, ViewAction, DeleteAction, RenameAction});
    return menu;
}

QWidget* FileFormActions::NewToolStrip(QWidget* parent, const std::function<void(const QString&)>& runCommand) const {
    auto* strip = new QWidget(parent);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(strip);
    bar->setNativeMenuBar(false);
    QMenu* file = bar->addMenu(QCoreApplication::translate("TFileForm", "&File"));
    file->addActions({NewClassAction, ViewAction, RenameAction});
    file->addSeparator();
    file->addActions({AddSongAction, UrlAction, SaveAction});
    file->addSeparator();
    file->addAction(ClearTopTenAction);
    file->addSeparator();
    file->addAction(CloseAction);
    QMenu* edit = bar->addMenu(QCoreApplication::translate("TFileForm", "&Edit"));
    edit->addActions({CopyAddrAction, CopyFileAction, PasteAction, DeleteAction});
    edit->addSeparator();
    edit->addActions({AllAction, UpScrollAction, DownScrollAction});
    edit->addSeparator();
    edit->addAction(PropertyAction);
    QMenu* view = bar->addMenu(QCoreApplication::translate("TFileForm", "Vie&w"));
    for (int page = 0; page < WorkPageNumber::Count; ++page) {
        QAction* show = view->addAction(TWorkForm::PageLabel(page));
        QObject::connect(show, &QAction::triggered, strip,
                         [runCommand, command = TWorkForm::PageCommand(page)] { runCommand(command); });
    }
    layout->addWidget(bar);

    auto* tools = new QToolBar(strip);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({NewClassAction, DeleteAction, AddSongAction, UrlAction, SaveAction});
    tools->addSeparator();
    tools->addActions({UpScrollAction, DownScrollAction, PlayAction});
    layout->addWidget(tools);
    strip->hide();
    return strip;
}

void PopUpMenu(QAbstractItemView* view, QMenu* menu) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                     [view, menu](const QPoint& at) { menu->popup(view->viewport()->mapToGlobal(at)); });
}
