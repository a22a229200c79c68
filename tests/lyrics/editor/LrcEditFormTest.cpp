// The lyrics editor page with a scripted dialog layer and a stand-in player
// position: time stamps at the caret, the save layout, Sort By Time, Test, the
// discard question, opening by argument and by drop, the colouring.
#include "LrcHighlighter.h"
#include "LrcMemo.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "TLrcEditForm.h"
#include "TOption.h"
#include "TempHome.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct Editor : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    bool playing = false;
    int position = 0;
    QStringList shownLyrics; // files handed to the lyrics window
    TLrcEditForm form{{messenger, [this] { return playing; }, [this] { return position; },
                       [this] { return home.path() + "recent/"; }, home.path() + "Lyrics/",
                       [this](const QString& file) { shownLyrics << file; }, {}}};

    // The text as the user typed it, the caret at line and column.
    void type(const QString& text, int line, int column) {
        form.Memo->setPlainText(text);
        form.Memo->document()->setModified(true);
        QTextCursor cursor(form.Memo->document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        form.Memo->setTextCursor(cursor);
    }
    QString line(int number) const { return form.Memo->document()->findBlockByNumber(number).text(); }
    int column() const { return form.Memo->textCursor().positionInBlock(); }
    int caretLine() const { return form.Memo->textCursor().blockNumber(); }
};

TEST_F(Editor, StampsThePlayTimeAtTheCaretLine) {
    playing = true;
    position = 623;
    type("Hello\n[00:10.00][00:20.00]Hi", 0, 0);
    form.Memo->document()->setModified(false);
    form.InsertTimeAction->trigger();
    EXPECT_EQ(line(0), "[01:02.3]Hello");
    EXPECT_EQ(column(), 9) << "the caret stays before the H";
    EXPECT_EQ(form.XPanel->text(), "X: 9");
    EXPECT_EQ(form.YPanel->text(), "Y: 0");
    EXPECT_TRUE(form.Modified());

    type("Hello\n[00:10.00][00:20.00]Hi", 1, 22);
    form.ModifyTimeAction->trigger();
    EXPECT_EQ(line(1), "[01:02.3][00:20.00]Hi") << "only the first tag is replaced";
    EXPECT_EQ(line(0), "Hello");
    EXPECT_EQ(caretLine(), 1);
    EXPECT_EQ(column(), 21) << "the caret keeps its distance from the end";
    form.Memo->undo();
    EXPECT_EQ(line(1), "[00:10.00][00:20.00]Hi") << "a stamp is one undoable edit";

    playing = false;
    type("Hello", 0, 2);
    form.InsertTimeAction->trigger();
    EXPECT_EQ(line(0), "[00:00.0]Hello") << "while stopped the tag holds 00:00.0";
    EXPECT_EQ(form.TimePanel->text(), "00:00.0");
}

TEST_F(Editor, PanelsFollowTheCaretAndTheClockRunsOnlyWhileShown) {
    playing = true;
    position = 1234;
    EXPECT_EQ(form.StatusPanels(), (QList<QWidget*>{form.XPanel, form.YPanel, form.TimePanel}));
    form.PageShown();
    EXPECT_TRUE(form.Timer->isActive());
    EXPECT_EQ(form.TimePanel->text(), "02:03.4");
    position = 1240;
    ASSERT_TRUE(WaitFor([this] { return form.TimePanel->text() == "02:04.0"; }));
    type("ab\ncdef", 1, 3);
    EXPECT_EQ(form.XPanel->text(), "X: 3");
    EXPECT_EQ(form.YPanel->text(), "Y: 1");
    form.PageClosed();
    EXPECT_FALSE(form.Timer->isActive());
}

TEST_F(Editor, SaveWritesMergedLinesAndClearsTheMarkOnlyWhenWritten) {
    type("[00:10.0]La\n[ti:Song]\n\n[00:30.0]la\n[by:me]", 0, 0);
    // No file yet: the save dialog asks, starting in the lyrics folder.
    dialogs.file.clear();
    EXPECT_FALSE(form.Save());
    EXPECT_EQ(dialogs.shown.last().kind, "save");
    EXPECT_EQ(dialogs.shown.last().text, "Save");
    EXPECT_EQ(dialogs.lastFolder, home.path() + "Lyrics/");
    EXPECT_EQ(dialogs.lastFilter, "Lyrics Files(*.lrc)");
    EXPECT_TRUE(form.Modified()) << "cancelled: nothing was saved";

    dialogs.file = home.file("song"); // the default extension is added
    EXPECT_TRUE(form.Save());
    EXPECT_EQ(home.read("song.lrc"), "[by:me]\r\n[00:10.0][00:30.0]La\r\n[ti:Song]\r\n");
    EXPECT_EQ(form.FileName(), home.file("song.lrc"));
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.Memo->toPlainText(), "[00:10.0]La\n[ti:Song]\n\n[00:30.0]la\n[by:me]") << "the text stays as typed";

    // Save again: no dialog. Save As: a dialog titled so, filled with the name.
    const int dialogsBefore = static_cast<int>(dialogs.shown.size());
    form.Memo->appendPlainText("[00:40]Da");
    EXPECT_TRUE(form.Save());
    EXPECT_EQ(dialogs.shown.size(), dialogsBefore);
    dialogs.file = home.path() + "no/such/folder/x.lrc";
    form.Memo->appendPlainText("more");
    EXPECT_FALSE(form.SaveAs());
    EXPECT_EQ(dialogs.shown[dialogsBefore].text, "Save As");
    EXPECT_EQ(dialogs.lastFolder, home.file("song.lrc"));
    EXPECT_EQ(dialogs.messages().size(), 1) << "a failed write is reported";
    EXPECT_EQ(dialogs.shown.last().flags, MsgBox::IconStop);
    EXPECT_TRUE(form.Modified()) << "a failed write leaves the text unsaved";
    EXPECT_EQ(form.FileName(), home.file("song.lrc"));
}

TEST_F(Editor, SortByTimeGivesOneLinePerTagInTimeOrder) {
    type("[ar:Me]\n[00:30.0]B\n\n[00:10.0][00:50.0]A", 0, 0);
    form.Memo->document()->setModified(false);
    form.SortByTimeAction->trigger();
    EXPECT_EQ(form.Memo->toPlainText(), "[00:10.0]A\n[00:30.0]B\n[00:50.0]A\n[ar:Me]");
    EXPECT_TRUE(form.Modified());
    form.Memo->undo();
    EXPECT_EQ(form.Memo->toPlainText(), "[ar:Me]\n[00:30.0]B\n\n[00:10.0][00:50.0]A");
}

TEST_F(Editor, TestShowsAPrivateCopyAndLeavesTheFileAndMarkAlone) {
    const QString file = home.write("Lyrics/a.lrc", "[00:01]One\n");
    ASSERT_TRUE(form.Open(file));
    form.Memo->appendPlainText("[00:05]one");
    form.TestAction->trigger();
    ASSERT_EQ(shownLyrics.size(), 1);
    const QFileInfo test(shownLyrics[0]);
    EXPECT_NE(test.absoluteFilePath(), QFileInfo(file).absoluteFilePath());
    QFile written(test.absoluteFilePath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "[00:01][00:05]One\r\n") << "the save layout";
    EXPECT_EQ(QFileInfo(test.absolutePath()).permissions() & (QFile::ReadGroup | QFile::ReadOther |
                                                              QFile::WriteGroup | QFile::WriteOther |
                                                              QFile::ExeGroup | QFile::ExeOther),
              QFile::Permissions{})
        << "the test folder is the user's own";
    EXPECT_EQ(form.FileName(), file);
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(home.read("Lyrics/a.lrc"), "[00:01]One\n");

    // Test, then New: the unsaved text still raises the question.
    dialogs.answer = MsgBox::IdCancel;
    form.NewAction->trigger();
    EXPECT_EQ(dialogs.shown.last().text, "Save change to File?");
    EXPECT_EQ(form.FileName(), file);
}

TEST_F(Editor, DiscardQuestionYesSavesNoDiscardsCancelStops) {
    const QString file = home.write("a.lrc", "[00:01]One\n");
    const struct {
        int answer;
        bool emptied;
        QByteArray onDisk;
    } cases[] = {
        {MsgBox::IdYes, true, "[00:01]One\r\n[00:02]Two\r\n"},
        {MsgBox::IdNo, true, "[00:01]One\n"},
        {MsgBox::IdCancel, false, "[00:01]One\n"},
    };
    for (const auto& c : cases) {
        home.write("a.lrc", "[00:01]One\n");
        ASSERT_TRUE(form.Open(file));
        form.Memo->appendPlainText("[00:02]Two");
        dialogs.shown.clear();
        dialogs.answer = c.answer;
        form.NewAction->trigger();
        ASSERT_EQ(dialogs.shown.size(), 1) << c.answer;
        EXPECT_EQ(dialogs.shown[0].text, "Save change to File?");
        EXPECT_EQ(dialogs.shown[0].flags, MsgBox::YesNoCancel | MsgBox::IconQuestion);
        EXPECT_EQ(form.Memo->toPlainText().isEmpty(), c.emptied) << c.answer;
        EXPECT_EQ(form.FileName().isEmpty(), c.emptied) << c.answer;
        EXPECT_EQ(home.read("a.lrc"), c.onDisk) << c.answer;
    }

    // Yes on a new text whose save dialog is cancelled: New stops.
    dialogs.answer = MsgBox::IdNo;
    form.New();
    ASSERT_TRUE(form.FileName().isEmpty());
    type("unsaved", 0, 0);
    dialogs.answer = MsgBox::IdYes;
    dialogs.file.clear();
    form.NewAction->trigger();
    EXPECT_EQ(form.Memo->toPlainText(), "unsaved");
    // Nothing unsaved: no question.
    form.Memo->document()->setModified(false);
    dialogs.shown.clear();
    form.NewAction->trigger();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(Editor, OpensByCommandArgumentDialogAndDrop) {
    const QString a = home.write("a.lrc", "[00:01]\xE4\xBD\xA0\r\n[by:x]\r\n");
    form.CommandArgument(a);
    EXPECT_EQ(form.Memo->toPlainText(), "[00:01]\u4f60\n[by:x]\n");
    EXPECT_EQ(form.FileName(), a);
    EXPECT_FALSE(form.Modified());

    // The open dialog starts in the recent folder with the three filters.
    dialogs.file.clear();
    form.OpenAction->trigger();
    EXPECT_EQ(dialogs.lastFolder, home.path() + "recent/");
    EXPECT_EQ(dialogs.lastFilter, "Lyrics Files(*.lrc);;\u6587\u672c\u6587\u4ef6(*.txt);;All Files(*.*)");
    EXPECT_EQ(form.FileName(), a) << "cancelled";

    // A file that cannot be read is reported and the text stays.
    form.CommandArgument(home.file("missing.lrc"));
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(form.FileName(), a);

    // A drop of files opens the first one.
    const QString b = home.write("b.lrc", "[00:02]Bee\n");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(b), QUrl::fromLocalFile(a)});
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.Memo->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::LinkAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.Memo->viewport(), &drop);
    EXPECT_EQ(form.FileName(), b);
    EXPECT_EQ(form.Memo->toPlainText(), "[00:02]Bee\n") << "opened, not pasted as text";
}

TEST_F(Editor, ColoursTagsHeadersAndComments) {
    form.Memo->setPlainText("[01:02.3][00:20]Hello\n[by:me]\nplain note");
    auto colourAt = [this](int block, int at) -> QColor {
        for (const QTextLayout::FormatRange& r : form.Memo->document()->findBlockByNumber(block).layout()->formats())
            if (at >= r.start && at < r.start + r.length)
                return r.format.foreground().color();
        return {};
    };
    EXPECT_EQ(colourAt(0, 1), LrcHighlighter::kTagColour);
    EXPECT_EQ(colourAt(0, 10), LrcHighlighter::kTagColour) << "every leading tag";
    EXPECT_FALSE(colourAt(0, 0).isValid()) << "brackets keep the plain ink";
    EXPECT_FALSE(colourAt(0, 17).isValid()) << "so does the lyric";
    EXPECT_EQ(colourAt(1, 0), LrcHighlighter::kHeaderColour);
    EXPECT_EQ(colourAt(2, 3), LrcHighlighter::kCommentColour);
    // An edit recolours its line.
    QTextCursor cursor(form.Memo->document()->findBlockByNumber(2));
    cursor.insertText("[00:01]");
    EXPECT_EQ(colourAt(2, 1), LrcHighlighter::kTagColour);
    EXPECT_FALSE(colourAt(2, 9).isValid());
}

} // namespace
