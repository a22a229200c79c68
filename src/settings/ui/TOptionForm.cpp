#include "TOptionForm.h"

#include "GeneralOptionsPage.h"
#include "HotkeyOptionsPage.h"
#include "LyricsOptionsPage.h"
#include "LyricsPanel.h"
#include "TAnimate.h"
#include "TShortKey.h"
#include "TWorkForm.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

TOptionForm::TOptionForm(OptionFormPorts ports, QWidget* parent)
    : WorkPage(parent), ports_(std::move(ports)) {
    setObjectName(QStringLiteral("TOptionForm"));
    setWindowTitle(tr("Options"));
    buildActions();
    buildStrip();

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    general_ = new GeneralOptionsPage(ports_, pages_);
    hotkey_ = new HotkeyOptionsPage(ports_, pages_);
    lyrics_ = new LyricsOptionsPage(ports_, pages_);
    pages_->addTab(general_, tr("General"));
    pages_->addTab(hotkey_, tr("Hotkey"));
    pages_->addTab(lyrics_, tr("Lrc Shower"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages_);

    connect(general_, &GeneralOptionsPage::changed, accept_, [this] { accept_->setEnabled(true); });
    connect(lyrics_, &LyricsOptionsPage::pictureEdited, accept_, [this] { accept_->setEnabled(true); });
    // The Lrc Shower page shows the settings as they are each time it is selected.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == LrcShower)
            lyrics_->Fill();
    });
}

TOptionForm::~TOptionForm() {
    if (animating_ && ports_.animate)
        ports_.animate->Unregister(this);
}

void TOptionForm::buildActions() {
    auto make = [this](const QString& caption, const char* name) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    accept_ = make(tr("&Accept"), "AcceptAction");
    accept_->setEnabled(false);
    checkUpdate_ = make(tr("Check &Update"), "CheckUpdateAction");
    createShort_ = make(tr("&Create Shortcut"), "CreateShortAction");
    resetHotkey_ = make(tr("&Reset Hotkey"), "ResetHotkeyAction");
    close_ = make(tr("&Close"), "CloseAction");
    connect(accept_, &QAction::triggered, this, &TOptionForm::AcceptActionExecute);
    connect(checkUpdate_, &QAction::triggered, this, [this] { run(QStringLiteral("#CheckUpdate")); });
    connect(createShort_, &QAction::triggered, this, [this] { run(QStringLiteral("#CreateShortcut")); });
    connect(resetHotkey_, &QAction::triggered, this, [this] {
        if (ports_.shortKey)
            ports_.shortKey->ResetDefaults();
    });
    connect(close_, &QAction::triggered, this, [this] { window()->close(); });
    // The tool window's pages, in the order of its buttons.
    for (int number : {WorkPageNumber::FileManager, WorkPageNumber::FileSearch, WorkPageNumber::LyricsEditor,
                       WorkPageNumber::SkinManager, WorkPageNumber::Options}) {
        auto* action = new QAction(TWorkForm::PageLabel(number), this);
        connect(action, &QAction::triggered, this, [this, number] { run(TWorkForm::PageCommand(number)); });
        viewActions_.append(action);
    }
}

void TOptionForm::buildStrip() {
    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("CoolBar"));
    auto* stripLayout = new QVBoxLayout(strip_);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    menu_ = new QMenuBar(strip_);
    menu_->setObjectName(QStringLiteral("MainMenu"));
    QMenu* option = menu_->addMenu(tr("&Option"));
    option->addActions({accept_, checkUpdate_, createShort_});
    option->addSeparator();
    option->addAction(resetHotkey_);
    option->addSeparator();
    option->addAction(close_);
    QMenu* view = menu_->addMenu(tr("Vie&w"));
    view->addActions(viewActions_);
    auto* row = new QHBoxLayout;
    auto* bar = new QToolBar(strip_);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({accept_, checkUpdate_, createShort_, resetHotkey_});
    row->addWidget(bar, 1);
    paintBox_ = new AnimationBox(strip_);
    row->addWidget(paintBox_);
    stripLayout->addWidget(menu_);
    stripLayout->addLayout(row);
    strip_->hide();
    if (ports_.animate)
        connect(ports_.animate, &TAnimate::frameChanged, paintBox_, &AnimationBox::SetFrame);
}

QWidget* TOptionForm::ToolStrip() {
    return strip_;
}

QList<QAction*> TOptionForm::PageActions() {
    return {accept_, checkUpdate_, createShort_, resetHotkey_};
}

void TOptionForm::PageShown() {
    if (ports_.animate && !animating_) {
        ports_.animate->Register(this);
        ports_.animate->SetActive(this, true);
        animating_ = true;
    }
    // Settings changed elsewhere meanwhile (the menu's always-on-top) show as
    // they are, unless the page holds changes of its own.
    if (!accept_->isEnabled())
        general_->Fill();
    general_->RebuildAssociations();
    if (pages_->currentIndex() == LrcShower)
        lyrics_->Fill();
    // The keyboard starts in the page control: Ctrl+Tab and the arrows turn
    // its pages.
    if (!isAncestorOf(QApplication::focusWidget()))
        pages_->tabBar()->setFocus(Qt::OtherFocusReason);
}

void TOptionForm::PageClosed() {
    if (accept_->isEnabled())
        AcceptActionExecute();
    if (ports_.animate && animating_) {
        ports_.animate->Unregister(this);
        animating_ = false;
    }
}

void TOptionForm::ShowLrcShowerPage() {
    if (pages_->currentIndex() == LrcShower)
        lyrics_->Fill();
    else
        pages_->setCurrentIndex(LrcShower);
}

void TOptionForm::AcceptActionExecute() {
    general_->Apply();
    lyrics_->ApplyPicture();
    if (ports_.reloadLyrics)
        ports_.reloadLyrics();
    accept_->setEnabled(false);
}

void TOptionForm::run(const QString& command) {
    if (ports_.doCommand)
        ports_.doCommand(command);
}
