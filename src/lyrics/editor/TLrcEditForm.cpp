#include "TLrcEditForm.h"

#include "DialogLayer.h"
#include "LrcEditText.h"
#include "LrcHighlighter.h"
#include "LrcMemo.h"
#include "LrcWriter.h"
#include "Messenger.h"
#include "TWorkForm.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPanelWidth = 100;
constexpr int kClockMs = 100;
} // namespace

TLrcEditForm::TLrcEditForm(TLrcEditFormContext context, QWidget* parent)
    : WorkPage(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("TLrcEditForm"));
    setWindowTitle(tr("Lyrics Editor"));

    Memo = new LrcMemo(this);
    highlighter_ = new LrcHighlighter(Memo->document());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);

    auto panel = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setFixedWidth(kPanelWidth);
        label->hide();
        return label;
    };
    XPanel = panel(QStringLiteral("X: 0"));
    YPanel = panel(QStringLiteral("Y: 0"));
    TimePanel = panel(LrcPlayTimeText(false, 0));

    Timer = new QTimer(this);
    Timer->setInterval(kClockMs);
    connect(Timer, &QTimer::timeout, this, &TLrcEditForm::UpdatePlayTime);

    buildActions();
    buildToolStrip();
    connect(Memo, &QPlainTextEdit::cursorPositionChanged, this, &TLrcEditForm::updateCaretPanels);
    connect(Memo, &LrcMemo::fileDropped, this, [this](const QString& file) { Open(file); });
}

TLrcEditForm::~TLrcEditForm() = default;

void TLrcEditForm::buildActions() {
    auto make = [this](const char* name, const QString& caption, const QString& button, QKeySequence key,
                       void (TLrcEditForm::*slot)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!button.isEmpty())
            action->setIconText(button);
        action->setShortcut(key);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    NewAction = make("NewAction", tr("&New File"), tr("New"), QKeySequence(Qt::CTRL | Qt::Key_N), &TLrcEditForm::New);
    OpenAction = make("OpenAction", tr("&Open..."), tr("Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
                      &TLrcEditForm::OpenWithDialog);
    SaveAction = make("SaveAction", tr("&Save"), tr("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), nullptr);
    connect(SaveAction, &QAction::triggered, this, [this] { Save(); });
    SaveAsAction = make("SaveAsAction", tr("Save &As"), {}, {}, nullptr);
    connect(SaveAsAction, &QAction::triggered, this, [this] { SaveAs(); });
    TestAction = make("TestAction", tr("&Test"), tr("Test"), {}, &TLrcEditForm::Test);
    CloseAction = make("CloseAction", tr("&Close"), {}, {}, nullptr);
    connect(CloseAction, &QAction::triggered, this, [this] { window()->close(); });
    SortByTimeAction = make("SortByTimeAction", tr("So&rt By Time"), tr("Sort"), {}, &TLrcEditForm::SortByTime);
    InsertTimeAction = make("InsertTimeAction", tr("&Insert TimeLabel"), tr("Insert"), QKeySequence(Qt::Key_F5),
                            &TLrcEditForm::InsertTime);
    ModifyTimeAction = make("ModifyTimeAction", tr("Modify TimeLabel"), tr("Modify"), QKeySequence(Qt::Key_F6),
                            &TLrcEditForm::ModifyTime);

    // The memo's own editing commands.
    UndoAction = make("UndoAction", tr("&Undo"), {}, QKeySequence(Qt::CTRL | Qt::Key_Z), nullptr);
    CutAction = make("CutAction", tr("Cu&t"), {}, QKeySequence(Qt::CTRL | Qt::Key_X), nullptr);
    CopyAction = make("CopyAction", tr("&Copy"), tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), nullptr);
    PasteAction = make("PasteAction", tr("&Paste"), tr("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), nullptr);
    DeleteAction = make("DeleteAction", tr("&Delete"), tr("Delete"), {}, nullptr);
    SelAllAction = make("SelAllAction", tr("Select &All"), {}, QKeySequence(Qt::CTRL | Qt::Key_A), nullptr);
    connect(UndoAction, &QAction::triggered, Memo, &QPlainTextEdit::undo);
    connect(CutAction, &QAction::triggered, Memo, &QPlainTextEdit::cut);
    connect(CopyAction, &QAction::triggered, Memo, &QPlainTextEdit::copy);
    connect(PasteAction, &QAction::triggered, Memo, &QPlainTextEdit::paste);
    connect(DeleteAction, &QAction::triggered, Memo, [this] { Memo->textCursor().removeSelectedText(); });
    connect(SelAllAction, &QAction::triggered, Memo, &QPlainTextEdit::selectAll);
}

void TLrcEditForm::buildToolStrip() {
    toolStrip_ = new QToolBar(this);
    toolStrip_->setObjectName(QStringLiteral("CoolBar"));
    toolStrip_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto addMenu = [this](QMenu* menu) {
        auto* button = new QToolButton(toolStrip_);
        button->setText(menu->title());
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        toolStrip_->addWidget(button);
    };
    auto* file = new QMenu(tr("&File"), toolStrip_);
    file->addActions({NewAction, OpenAction, SaveAction, SaveAsAction});
    file->addSeparator();
    file->addAction(TestAction);
    file->addSeparator();
    file->addAction(CloseAction);
    addMenu(file);
    auto* edit = new QMenu(tr("&Edit"), toolStrip_);
    edit->addActions({UndoAction});
    edit->addSeparator();
    edit->addActions({CutAction, CopyAction, PasteAction, DeleteAction});
    edit->addSeparator();
    edit->addActions({SelAllAction});
    edit->addSeparator();
    edit->addActions({SortByTimeAction, InsertTimeAction, ModifyTimeAction});
    addMenu(edit);
    // The tool window's own pages.
    auto* view = new QMenu(tr("&View"), toolStrip_);
    for (int page = 0; page < WorkPageNumber::Count; ++page) {
        const QString command = TWorkForm::PageCommand(page);
        view->addAction(TWorkForm::PageLabel(page), this, [this, command] {
            if (context_.run)
                context_.run(command);
        });
    }
    addMenu(view);
    toolStrip_->addSeparator();
    toolStrip_->addActions({NewAction, OpenAction, SaveAction});
    toolStrip_->addSeparator();
    toolStrip_->addActions({CopyAction, PasteAction, DeleteAction});
    toolStrip_->addSeparator();
    toolStrip_->addActions({TestAction, SortByTimeAction, InsertTimeAction, ModifyTimeAction});
    toolStrip_->hide();
}

QWidget* TLrcEditForm::ToolStrip() { return toolStrip_; }

QList<QAction*> TLrcEditForm::PageActions() {
    return {NewAction,        OpenAction,       SaveAction, SaveAsAction, TestAction,  CloseAction,
            SortByTimeAction, InsertTimeAction, ModifyTimeAction, UndoAction, CutAction, CopyAction,
            PasteAction,      DeleteAction,     SelAllAction};
}

QList<QWidget*> TLrcEditForm::StatusPanels() { return {XPanel, YPanel, TimePanel}; }

void TLrcEditForm::CommandArgument(const QString& argument) { Open(argument); }

void TLrcEditForm::PageShown() {
    UpdatePlayTime();
    updateCaretPanels();
    Timer->start();
    Memo->setFocus();
}

void TLrcEditForm::PageClosed() { Timer->stop(); }

bool TLrcEditForm::CanClose() { return ConfirmDiscard(); }

bool TLrcEditForm::Modified() const { return Memo->document()->isModified(); }

QStringList TLrcEditForm::lines() const { return Memo->toPlainText().split(QLatin1Char('\n')); }

void TLrcEditForm::setText(const QString& text) {
    Memo->setPlainText(text);
    Memo->document()->setModified(false);
}

bool TLrcEditForm::ConfirmDiscard() {
    if (!Modified())
        return true;
    switch (context_.messenger.ShowMessageBox(tr("Save change to File?"),
                                              MsgBox::YesNoCancel | MsgBox::IconQuestion)) {
    case MsgBox::IdYes:
        return Save();
    case MsgBox::IdNo:
        return true;
    default:
        return false;
    }
}

void TLrcEditForm::New() {
    if (!ConfirmDiscard())
        return;
    setText(QString());
    lrc_.FileName.clear();
}

void TLrcEditForm::OpenWithDialog() {
    const QString chosen = context_.messenger.Modal([this](DialogLayer& dialogs) {
        return dialogs.OpenFile(tr("Open"), context_.recentFolder ? context_.recentFolder() : QString(),
                                QStringLiteral("%1;;%2;;%3").arg(tr("Lyrics Files(*.lrc)"), tr("文本文件(*.txt)"),
                                                                 tr("All Files(*.*)")));
    });
    if (!chosen.isEmpty())
        Open(chosen);
}

bool TLrcEditForm::Open(const QString& fileName) {
    if (!ConfirmDiscard())
        return false;
    const std::optional<QString> text = ReadLrcEditorText(fileName);
    if (!text) {
        context_.messenger.ShowMessageBox(tr("Can't open lyrics file \"%1\".").arg(QDir::toNativeSeparators(fileName)),
                                          MsgBox::IconStop);
        return false;
    }
    setText(*text);
    lrc_.FileName = fileName;
    return true;
}

bool TLrcEditForm::Save() { return saveTo(lrc_.FileName.isEmpty(), tr("Save")); }

bool TLrcEditForm::SaveAs() { return saveTo(true, tr("Save As")); }

bool TLrcEditForm::saveTo(bool askName, const QString& title) {
    QString name = lrc_.FileName;
    if (askName) {
        const QString start = name.isEmpty() ? context_.lyricsFolder : name;
        name = context_.messenger.Modal([&](DialogLayer& dialogs) {
            return dialogs.SaveFile(title, start, tr("Lyrics Files(*.lrc)"));
        });
        if (name.isEmpty())
            return false;
        if (QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".lrc");
    }
    // The mark is cleared and the name taken only once the file is written, so
    // a failed save never passes for a saved text.
    if (!SaveLrcFile(name, lines())) {
        context_.messenger.ShowMessageBox(tr("Can't save lyrics file \"%1\".").arg(QDir::toNativeSeparators(name)),
                                          MsgBox::IconStop);
        return false;
    }
    lrc_.FileName = name;
    Memo->document()->setModified(false);
    return true;
}

void TLrcEditForm::SortByTime() {
    const QStringList sorted = SortLrcLinesByTime(lines(), lrc_);
    // One undoable edit over the whole text.
    QTextCursor cursor(Memo->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(sorted.join(QLatin1Char('\n')));
}

void TLrcEditForm::replaceCaretLine(const QString& text, int column) {
    QTextCursor cursor = Memo->textCursor();
    const int start = cursor.block().position();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.setPosition(start + column);
    Memo->setTextCursor(cursor);
}

void TLrcEditForm::InsertTime() {
    UpdatePlayTime();
    const QTextCursor cursor = Memo->textCursor();
    const LrcEditLine line = InsertTimeTag({cursor.block().text(), cursor.positionInBlock()}, TimePanel->text());
    replaceCaretLine(line.text, line.column);
}

void TLrcEditForm::ModifyTime() {
    UpdatePlayTime();
    const QTextCursor cursor = Memo->textCursor();
    const LrcEditLine line =
        ReplaceFirstTimeTag({cursor.block().text(), cursor.positionInBlock()}, TimePanel->text());
    replaceCaretLine(line.text, line.column);
}

void TLrcEditForm::Test() {
    // The test file lies in a folder only this user can enter, made once per
    // editor and removed with it; the edited file and its mark stay as they are.
    if (!testFolder_)
        testFolder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sorvi-lrctest-XXXXXX"));
    const QString file = testFolder_->isValid() ? testFolder_->filePath(QStringLiteral("test.lrc")) : QString();
    if (file.isEmpty() || !SaveLrcFile(file, lines())) {
        context_.messenger.ShowMessageBox(tr("Can't write the test lyrics file."), MsgBox::IconStop);
        testFolder_.reset();
        return;
    }
    if (context_.showLyrics)
        context_.showLyrics(file);
}

void TLrcEditForm::UpdatePlayTime() {
    const bool playing = context_.playing && context_.playing();
    TimePanel->setText(LrcPlayTimeText(playing, playing && context_.positionTenths ? context_.positionTenths() : 0));
}

void TLrcEditForm::updateCaretPanels() {
    const QTextCursor cursor = Memo->textCursor();
    XPanel->setText(QStringLiteral("X: %1").arg(cursor.positionInBlock()));
    YPanel->setText(QStringLiteral("Y: %1").arg(cursor.blockNumber()));
}
