#include "TLrcForm.h"

#include "BackgroundPicture.h"
#include "LrcParser.h"
#include "LyricsLookup.h"
#include "SongLyricsNames.h"
#include "LyricsOptions.h"
#include "LyricsPanel.h"
#include "Messenger.h"
#include "PlayerSettings.h"
#include "QtForms.h"
#include "TAnimate.h"
#include "TLrcView.h"
#include "TOption.h"
#include "TPlay.h"
#include "OwnedWindow.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

TLrcForm::TLrcForm(TLrcFormContext context, QWidget* parent)
    : QMainWindow(parent, OwnedWindowFlags(parent)), context_(std::move(context)) {
    setObjectName(QStringLiteral("TLrcForm"));
    setWindowTitle(tr("Lyrics Shower"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 360);

    view_ = new TLrcView(context_.option, this);
    fullPanel_ = new LyricsPanel(*view_, this);
    fullPanel_->installEventFilter(this);
    setCentralWidget(fullPanel_);
    // DyPanel only gives the band its size and place; the panel draws it.
    dyPanel_ = new QWidget(fullPanel_);
    dyPanel_->setObjectName(QStringLiteral("DyPanel"));
    dyPanel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dyPanel_->setAttribute(Qt::WA_NoSystemBackground);
    setStatusBar(new QStatusBar(this));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    createActions();

    connect(view_, &TLrcView::presented, fullPanel_, [this](const QRect& area) {
        fullPanel_->update(area);
    });
    connect(&context_.option, &TOption::tickChanged, this, &TLrcForm::UpdateLyrics);
    connect(&context_.option, &TOption::statusChanged, this, &TLrcForm::UpdateLyrics);
    connect(&context_.option, &TOption::titleChanged, this,
            [this] { setWindowTitle(context_.option.LyricsCaption()); });
    // Saving the current song's tag may name another lyrics file.
    connect(&context_.play, &TPlay::currentTagChanged, this, [this] {
        LoadLyrics();
        UpdateLyrics();
    });
    if (context_.animate) {
        context_.animate->Register(this);
        connect(context_.animate, &TAnimate::frameChanged, paintBox_, &AnimationBox::SetFrame);
    }

    if (!context_.option.Title().isEmpty())
        setWindowTitle(context_.option.LyricsCaption());
    LoadWindowPlacement(*this, context_.store);
    LoadLyricsOptions();
    LoadLyrics();
}

TLrcForm::~TLrcForm() {
    if (context_.animate)
        context_.animate->Unregister(this);
}

QWidget* TLrcForm::FullPanel() const {
    return fullPanel_;
}

void TLrcForm::createActions() {
    QMenu* menu = menuBar()->addMenu(tr("&Lyrics"));
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFocusPolicy(Qt::NoFocus);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto add = [&](const char* name, const QString& text, const QString& shortText) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setIconText(shortText);
        menu->addAction(action);
        toolBar_->addAction(action);
        return action;
    };
    LocalAction = add("LocalAction", tr("&Local Lyrics"), tr("Local Lrc"));
    DownAction = add("DownAction", tr("&Download Lyrics"), tr("Download"));
    OptionAction = add("OptionAction", tr("&Options"), tr("Options"));
    CloseAction = add("CloseAction", tr("&Close"), tr("Close"));
    CloseAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    auto* spacer = new QWidget(toolBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);
    paintBox_ = new AnimationBox(toolBar_);
    toolBar_->addWidget(paintBox_);

    connect(LocalAction, &QAction::triggered, this, [this] { run(QStringLiteral("#ID3,SelectLyrics")); });
    connect(DownAction, &QAction::triggered, this, [this] {
        if (context_.option.Playing())
            run(QStringLiteral("#Searchlrc,") + DisplayTitle(context_.play.Current()));
        else
            run(QStringLiteral("#Searchlrc"));
    });
    connect(OptionAction, &QAction::triggered, this, [this] {
        if (context_.showOptions)
            context_.showOptions();
        else
            run(QStringLiteral("#Setup"));
    });
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);
    PopupMenu = new QMenu(this);
    PopupMenu->addActions({LocalAction, DownAction, OptionAction, CloseAction});
}

void TLrcForm::run(const QString& command) {
    if (context_.doCommand)
        context_.doCommand(command);
}

void TLrcForm::LoadLyricsOptions() {
    const TLyricsOptions options = ReadLyricsOptions(context_.store);
    view_->SetOptions(options, FontSpecToQFont(options.Font), FontSpecToQFont(options.BandFont));
    view_->SetBackground(LoadBackgroundPicture(options.Background));
    view_->UpdateLyrics();
}

void TLrcForm::LoadLyrics(const QString& fileName) {
    const TPlayItem& current = context_.play.Current();
    const QString name =
        fileName.isEmpty() && !current.FileName.isEmpty() ? FindLyricsFile(LyricsSongOf(current)) : fileName;
    lrcFileName_ = name;
    loaded_ = false;
    ++loadSerial_; // a question posted for an earlier load is dropped
    view_->ClearLyrics();
    view_->Notice.clear();
    statusBar()->clearMessage();
    if (current.FileName.isEmpty())
        return;
    emit lyricsFound(false);
    TLrcRec lrc;
    if (LoadLrcFile(name, lrc)) {
        loaded_ = true;
        emit lyricsFound(true);
        view_->SetLyrics(lrc);
        statusBar()->showMessage(name);
        return;
    }
    view_->Notice = tr("no lyrics");
    if (PlayerSettings::PromptDownLrc(context_.store))
        postQuestion();
}

void TLrcForm::postQuestion() {
    // A new song is loaded inside the command that plays it: the question waits
    // until that command has run, so the song is already playing while the
    // user answers.
    const int serial = loadSerial_;
    QTimer::singleShot(0, this, [this, serial] {
        if (serial == loadSerial_ && !loaded_ && !asking_)
            askToSearch();
    });
}

void TLrcForm::askToSearch() {
    asking_ = true;
    bool alwaysAsk = true;
    const int button = context_.messenger.AskWithCheckBox(
        tr("can't locate lyrics file, search in server?"), tr("Always Ask"),
        alwaysAsk, MsgBox::OkCancel | MsgBox::IconQuestion);
    asking_ = false;
    if (!alwaysAsk)
        PlayerSettings::SetPromptDownLrc(context_.store, false);
    if (button == MsgBox::IdOk)
        run(QStringLiteral("#Searchlrc,") + DisplayTitle(context_.play.Current()));
}

void TLrcForm::UpdateLyrics() {
    stale_ = !isVisible() || isMinimized();
    if (!stale_)
        view_->UpdateLyrics();
}

void TLrcForm::placePanels() {
    dyPanel_->setGeometry(0, fullPanel_->height() - kBandHeight, fullPanel_->width(), kBandHeight);
    view_->Resize(fullPanel_->size(), fullPanel_->rect(), dyPanel_->geometry());
}

void TLrcForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placePanels();
}

void TLrcForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu->popup(event->globalPos());
    event->accept();
}

bool TLrcForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fullPanel_ && event->type() == QEvent::Resize)
        placePanels();
    return QMainWindow::eventFilter(watched, event);
}

void TLrcForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    followVisibility();
    emit shownChanged(true);
}

void TLrcForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    followVisibility();
}

void TLrcForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
}

void TLrcForm::followVisibility() {
    // Tenths of a second and the animation are for eyes: none while the
    // window cannot be seen. Coming back, the lyrics catch up at once.
    const bool onScreen = isVisible() && !isMinimized() && !closed_;
    context_.option.WantTicks(this, onScreen);
    if (context_.animate)
        context_.animate->SetActive(this, onScreen);
    if (onScreen && stale_)
        UpdateLyrics();
}

void TLrcForm::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        SaveWindowPlacement(*this, context_.store);
        followVisibility();
        emit shownChanged(false);
    }
    event->accept();
}

void TLrcForm::keyPressEvent(QKeyEvent* event) {
    const bool modifier = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        view_->ArrowKey(event->key() == Qt::Key_Up, modifier);
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void TLrcForm::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        view_->KeyRelease();
    QMainWindow::keyReleaseEvent(event);
}
