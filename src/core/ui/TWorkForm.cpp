#include "TWorkForm.h"

#include "WindowPlacement.h"
#include "WorkFormIcons.h"
#include "WorkPage.h"

#include <algorithm>
#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The order of the buttons from the top, and their shortcuts Alt+1 to Alt+5.
constexpr int kButtonOrder[] = {WorkPageNumber::FileManager, WorkPageNumber::FileSearch,
                                WorkPageNumber::LyricsEditor, WorkPageNumber::SkinManager,
                                WorkPageNumber::Options};

// A page this build does not have: its caption on an empty area.
class EmptyWorkPage final : public WorkPage {
public:
    EmptyWorkPage(const QString& caption, QWidget* parent) : WorkPage(parent) { setWindowTitle(caption); }
};

} // namespace

QString TWorkForm::PageLabel(int number) {
    switch (number) {
    case WorkPageNumber::FileManager:
        return tr("File Management");
    case WorkPageNumber::LyricsEditor:
        return tr("Edit Lyrics");
    case WorkPageNumber::SkinManager:
        return tr("Texture Management");
    case WorkPageNumber::Options:
        return tr("Options");
    case WorkPageNumber::FileSearch:
        return tr("Search File");
    default:
        return QString();
    }
}

QString TWorkForm::PageCommand(int number) {
    static const char* const commands[] = {"#FILEMANAGE", "#EDITLRC", "#Skin", "#SETUP", "#Search"};
    return number >= 0 && number < WorkPageNumber::Count ? QString::fromLatin1(commands[number]) : QString();
}

TWorkForm::TWorkForm(OptionsStore& store, PageFactory factory, CommandRunner run, QWidget* owner)
    : QMainWindow(owner, Qt::Window), store_(store), factory_(std::move(factory)), run_(std::move(run)) {
    setObjectName(QStringLiteral("TWorkForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(696, 480);

    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(0);
    topPanel_ = new QWidget(body);
    topPanel_->setObjectName(QStringLiteral("TopPanel"));
    topPanel_->setMinimumHeight(0);
    topLayout_ = new QHBoxLayout(topPanel_);
    topLayout_->setContentsMargins(2, 2, 2, 2);
    bodyLayout->addWidget(topPanel_);

    auto* splitter = new QSplitter(Qt::Horizontal, body);
    splitter->setHandleWidth(8);
    splitter->setChildrenCollapsible(false);
    bodyLayout->addWidget(splitter, 1);

    auto* left = new QWidget(splitter);
    left->setObjectName(QStringLiteral("LeftPanel"));
    left->setMinimumWidth(90);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QLabel(tr("Functions"), left);
    header->setAlignment(Qt::AlignCenter);
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    leftLayout->addWidget(header);
    auto* scroller = new QScrollArea(left);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttonBox = new QWidget(scroller);
    auto* buttonLayout = new QVBoxLayout(buttonBox);
    for (int i = 0; i < WorkPageNumber::Count; ++i) {
        const int number = kButtonOrder[i];
        auto* button = new QToolButton(buttonBox);
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(48, 48));
        button->setIcon(WorkFormIcon(number));
        button->setText(PageLabel(number));
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, number] { buttonClicked(number); });
        buttonLayout->addWidget(button);
        buttons_[number] = button;
        // Alt+1 to Alt+5 run the page's command from anywhere in the window.
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)));
        connect(action, &QAction::triggered, this, [this, number] { run_(PageCommand(number)); });
        addAction(action);
    }
    buttonLayout->addStretch(1);
    scroller->setWidget(buttonBox);
    // Sizes are only right once the style has polished the buttons.
    for (QToolButton* button : buttons_)
        button->ensurePolished();
    buttonBox->ensurePolished();
    // Wide enough for the longest label beside the scroll bar.
    scroller->setMinimumWidth(buttonBox->sizeHint().width() + scroller->verticalScrollBar()->sizeHint().width() +
                              2 * scroller->frameWidth());
    // The splitter keeps the panel at least this wide, so no label is cut.
    left->setMinimumWidth(std::max(90, scroller->minimumWidth()));
    leftLayout->addWidget(scroller, 1);

    clientPanel_ = new QWidget(splitter);
    clientPanel_->setObjectName(QStringLiteral("ClientPanel"));
    clientLayout_ = new QVBoxLayout(clientPanel_);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({left->minimumSizeHint().width(), 600});
    setCentralWidget(body);
    statusBar();
    // Tall enough to show all five buttons without scrolling, with the top
    // panel at its design height of 80; wide enough for a page's tree and
    // list side by side beside the button column.
    const int needed = 80 + header->sizeHint().height() + buttonBox->sizeHint().height() +
                       2 * scroller->frameWidth() + statusBar()->sizeHint().height();
    resize(std::max(860, left->minimumWidth() + 8 + 680), std::max(480, needed));

    auto* closeAction = new QAction(tr("E&xit"), this);
    closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    LoadWindowPlacement(*this, store_);
}

TWorkForm::~TWorkForm() = default;

WorkPage* TWorkForm::Page(int number) const {
    return number >= 0 && number < WorkPageNumber::Count ? pages_[number].data() : nullptr;
}

QToolButton* TWorkForm::Button(int number) const {
    return number >= 0 && number < WorkPageNumber::Count ? buttons_[number] : nullptr;
}

void TWorkForm::buttonClicked(int number) {
    // The page already shown keeps its button pressed; another page's button
    // is raised again and its command shows the page and presses it.
    if (number == current_) {
        buttons_[number]->setChecked(true);
        return;
    }
    buttons_[number]->setChecked(false);
    run_(PageCommand(number));
}

void TWorkForm::ShowPage(int number) {
    if (number < 0 || number >= WorkPageNumber::Count || number == current_ || closed_)
        return;
    if (WorkPage* previous = Page(current_)) {
        takeFrameBack(previous);
        previous->hide();
        previous->PageClosed();
    }
    if (current_ >= 0)
        buttons_[current_]->setChecked(false);
    current_ = number;
    if (!pages_[number]) {
        WorkPage* page = factory_ ? factory_(number, clientPanel_) : nullptr;
        if (!page)
            page = new EmptyWorkPage(PageLabel(number), clientPanel_);
        page->setParent(clientPanel_);
        page->setWindowFlags(Qt::Widget);
        page->installEventFilter(this);
        clientLayout_->addWidget(page);
        pages_[number] = page;
    }
    WorkPage* page = pages_[number];
    lendFrame(page);
    page->show();
    buttons_[number]->setChecked(true);
    page->PageShown();
    emit currentPageChanged(number);
}

void TWorkForm::lendFrame(WorkPage* page) {
    setWindowTitle(page->windowTitle());
    if (QWidget* strip = page->ToolStrip()) {
        topLayout_->addWidget(strip);
        strip->show();
    }
    addActions(page->PageActions());
    for (QWidget* panel : page->StatusPanels()) {
        statusBar()->addWidget(panel);
        panel->show();
    }
}

void TWorkForm::takeFrameBack(WorkPage* page) {
    if (QWidget* strip = page->ToolStrip()) {
        topLayout_->removeWidget(strip);
        strip->hide();
        strip->setParent(page);
    }
    for (QAction* action : page->PageActions())
        removeAction(action);
    for (QWidget* panel : page->StatusPanels()) {
        statusBar()->removeWidget(panel);
        panel->hide();
        panel->setParent(page);
    }
}

bool TWorkForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && watched == Page(current_))
        setWindowTitle(static_cast<QWidget*>(watched)->windowTitle());
    return QMainWindow::eventFilter(watched, event);
}

void TWorkForm::closeEvent(QCloseEvent* event) {
    // Pages holding unsaved work (the lyrics editor's text) may ask first; a
    // page that keeps the window open is shown with what it kept.
    for (int number = 0; !closed_ && !closingForGood_ && number < static_cast<int>(pages_.size()); ++number) {
        WorkPage* page = Page(number);
        if (page && !page->CanClose()) {
            ShowPage(number);
            event->ignore();
            return;
        }
    }
    if (!closed_) {
        closed_ = true;
        if (WorkPage* page = Page(current_)) {
            takeFrameBack(page);
            page->PageClosed();
        }
        SaveWindowPlacement(*this, store_);
    }
    event->accept();
}

void TWorkForm::CloseForGood() {
    closingForGood_ = true;
    close();
}
