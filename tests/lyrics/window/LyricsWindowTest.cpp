// The lyrics window driven through the player state, as the running player
// drives it: position ticks move the highlight and the list, the mouse and the
// arrow keys scroll by hand until the wait runs out, a song without lyrics
// asks once whether to search for them.
#include "LrcDisplayLines.h"
#include "LyricsSurface.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "PlayerSettings.h"
#include "ScriptedDialogs.h"
#include "TempHome.h"
#include "TLrcForm.h"
#include "TLrcView.h"
#include "TOption.h"
#include "TPlay.h"

#include <gtest/gtest.h>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

class LyricsWindow : public ::testing::Test {
protected:
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play;
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    QStringList commands;
    QPointer<TLrcForm> form;

    void SetUp() override {
        dialogs.answer = MsgBox::IdCancel; // the search question is declined unless a test says otherwise
        store.WriteString("LYRICS", "FONT", "DejaVu Sans,[],&H0,12,0");
        store.WriteString("LYRICS", "DFONT", "DejaVu Sans,[],&H0,12,0");
    }
    void TearDown() override { delete form.data(); }

    // A current song whose lyrics file lies in "Lyrics/" (or not, with empty text).
    void song(const QString& name, const QByteArray& lrc) {
        play.Current().FileName = home.file(name + ".mp3");
        play.Current().Tag = TSongTag{};
        play.Current().Tag.Genre = 0;
        if (!lrc.isEmpty())
            home.write("Lyrics/" + name + ".lrc", lrc);
    }
    void open() {
        form = new TLrcForm(
            {option, play, messenger, store, nullptr, [this](const QString& c) { commands << c; }, {}});
        form->resize(400, 300);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        play.Current(); // the window loaded in its constructor
    }
    void at(int tenths) {
        option.SetPlaying(true);
        option.ReportEngineTime(tenths / 10);
        option.SetTick(tenths % 10);
    }
    TLrcView& view() { return form->view(); }
    int listHeight() { return view().ListRect.height(); }
};

QByteArray lines(int count, int everyTenths) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const int t = (i + 1) * everyTenths;
        text += QStringLiteral("[%1:%2.%3]Line %4\n")
                    .arg(t / 600, 2, 10, QChar('0'))
                    .arg(t % 600 / 10, 2, 10, QChar('0'))
                    .arg(t % 10)
                    .arg(i)
                    .toUtf8();
    }
    return text;
}

} // namespace

TEST_F(LyricsWindow, CurrentLineOnlyOncePastTheLinesTime) {
    song("three", "[00:01.0]one\n[00:02.0]two\n[00:03.0]three\n");
    open();
    ASSERT_EQ(view().DisplayLines.Lines.size(), 4); // with the end marker
    struct Case {
        int position;
        int current;
    } cases[] = {{5, -1}, {10, -1}, {11, 0}, {20, 0}, {21, 1}, {30, 1}, {31, 2}, {600, 2}};
    for (const Case& c : cases) {
        at(c.position);
        EXPECT_EQ(view().CurrentLine, c.current) << c.position;
    }
    // Stopping clears the highlight and takes the list to the top.
    option.SetPlaying(false);
    option.SetStatus(StatusStopped);
    EXPECT_EQ(view().CurrentLine, -1);
    EXPECT_EQ(view().Scroll, 0);
}

TEST_F(LyricsWindow, LongSongMovesOneLineHeightPerLine) {
    song("long", lines(80, 20));
    open();
    const int lh = view().LineHeight;
    const int height = listHeight();
    ASSERT_GE(height, 2 * lh);
    int previous = 0;
    int moves = 0;
    for (int line = 0; line < 80; ++line) {
        at((line + 1) * 20 + 1);
        ASSERT_EQ(view().CurrentLine, line);
        const int bottom = (line + 2) * lh;
        if (bottom <= height) {
            EXPECT_EQ(view().Scroll, 0) << line;
        } else {
            EXPECT_EQ(view().Scroll, bottom - height) << line;
            if (previous > 0) {
                EXPECT_EQ(view().Scroll - previous, lh) << line;
                ++moves;
            }
        }
        previous = view().Scroll;
    }
    EXPECT_GT(moves, 40);

    // For people: the window half-way through a line (kept in the test output folder).
    at(60 * 20 + 11);
    form->grab().save(TestOutputFolder() + "/lyrics-window-offscreen.png");
}

TEST_F(LyricsWindow, ManualScrollLimitsAndTheWaitBack) {
    song("long", lines(40, 20));
    open();
    at(101); // line 4 current: the list is at the top
    const int lh = view().LineHeight;
    const int n = int(view().DisplayLines.Lines.size());
    QWidget* panel = form->FullPanel();

    // Dragging far upward stops at the last line's bottom meeting the list's bottom.
    QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, QPoint(50, 150));
    EXPECT_TRUE(view().ManualScroll);
    QMouseEvent move(QEvent::MouseMove, QPointF(50, -5000), panel->mapToGlobal(QPointF(50, -5000)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    EXPECT_EQ(view().Scroll, lh * n - listHeight());
    // Position ticks do not move the list while the user holds it.
    at(121);
    EXPECT_EQ(view().Scroll, lh * n - listHeight());
    QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    EXPECT_TRUE(view().WaitTimer.isActive());
    EXPECT_TRUE(WaitFor([&] { return !view().ManualScroll; }, 4000));
    // Back to the automatic place of line 5: its next line last in the area
    // (negative when the area is taller than that, and drawn from the top).
    EXPECT_EQ(view().Scroll, 7 * lh - listHeight());

    // The Down arrow's limit is the last line's bottom meeting the panel's bottom.
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(form, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(view().Scroll, lh * n - panel->height());
    QTest::keyClick(form, Qt::Key_Up);
    EXPECT_EQ(view().Scroll, lh * n - panel->height() - 5);
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(form, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(view().Scroll, 0);
    EXPECT_TRUE(view().WaitTimer.isActive()); // started by the key release
}

// The question about a song without lyrics waits until the command that
// changed the song has run: the song starts first, the question comes after.
TEST_F(LyricsWindow, MissingLyricsAskAfterTheSongStartedAndTheWindowSaysNoLyrics) {
    song("first", "[00:01.0]one\n");
    open();
    ASSERT_TRUE(dialogs.shown.isEmpty());
    int askedWhile = -1;
    dialogs.whileShown = [&] { askedWhile = option.Status(); };
    song("silent", QByteArray());
    form->LoadLyrics();
    option.SetStatus(StatusOpening); // what the play request does right after the load
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "asked before the song was started";
    ASSERT_TRUE(WaitFor([&] { return !dialogs.shown.isEmpty(); }, 2000));
    EXPECT_EQ(askedWhile, int(StatusOpening));
    EXPECT_EQ(dialogs.shown[0].text, QString("can't locate lyrics file, search in server?"));

    // Declined: the list says so instead of staying blank.
    EXPECT_EQ(view().Notice, QString("no lyrics"));
    view().UpdateLyrics();
    int lit = 0;
    for (int y = 0; y < view().ListRect.height(); ++y)
        for (int x = 0; x < view().ListSurface.width(); ++x)
            lit += view().ListSurface.pixel(x, y) != kKeyPixel;
    EXPECT_GT(lit, 20);

    // A song with lyrics loaded before the question ran is not asked about.
    dialogs.shown.clear();
    song("third", QByteArray());
    form->LoadLyrics();
    song("fourth", "[00:01.0]four\n");
    form->LoadLyrics();
    QTest::qWait(50);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(view().Notice.isEmpty());
}

TEST_F(LyricsWindow, MissingLyricsAskOnceAndUntickingTurnsTheQuestionOff) {
    song("silent", QByteArray());
    dialogs.answer = MsgBox::IdOk;
    open();
    ASSERT_TRUE(WaitFor([&] { return !dialogs.shown.isEmpty(); }, 2000));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, "ask");
    EXPECT_EQ(dialogs.shown[0].text, QString("can't locate lyrics file, search in server?"));
    EXPECT_EQ(dialogs.shown[0].title, QString("Sorvi Audio Player|Always Ask|ticked"));
    EXPECT_EQ(commands, QStringList{"#Searchlrc,silent.mp3"});
    EXPECT_TRUE(view().DisplayLines.Lines.isEmpty());
    // Ticks do not ask again.
    at(31);
    EXPECT_EQ(dialogs.shown.size(), 1);

    // Unticked and cancelled: no search, and no question any more.
    dialogs.checkAnswer = false;
    dialogs.answer = MsgBox::IdCancel;
    form->LoadLyrics();
    ASSERT_TRUE(WaitFor([&] { return dialogs.shown.size() == 2; }, 2000));
    EXPECT_EQ(commands.size(), 1);
    EXPECT_FALSE(PlayerSettings::PromptDownLrc(store));
    form->LoadLyrics();
    QTest::qWait(50);
    EXPECT_EQ(dialogs.shown.size(), 2);
}

TEST_F(LyricsWindow, IndicatorsCaptionAndActions) {
    song("three", "[00:01.0]one\n[00:02.0]two\n");
    form =
        new TLrcForm({option, play, messenger, store, nullptr, [this](const QString& c) { commands << c; }, {}});
    QSignalSpy shown(form.data(), &TLrcForm::shownChanged);
    QSignalSpy found(form.data(), &TLrcForm::lyricsFound);
    EXPECT_TRUE(form->LyricsLoaded());
    form->show();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0][0].toBool());
    form->LoadLyrics(home.file("nothing.lrc"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_FALSE(found[0][0].toBool());
    form->LoadLyrics();
    ASSERT_EQ(found.size(), 3);
    EXPECT_TRUE(found[2][0].toBool());

    option.SetTitle("Song");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Song - Lyrics Shower"));
    option.SetTitle(QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Lyrics Shower"));

    form->LocalAction->trigger();
    form->DownAction->trigger();
    option.SetPlaying(true);
    form->DownAction->trigger();
    form->OptionAction->trigger();
    EXPECT_EQ(commands, (QStringList{"#ID3,SelectLyrics", "#Searchlrc", "#Searchlrc,three.mp3", "#Setup"}));

    // Escape closes the window, which says so and keeps its place.
    form->move(33, 44);
    QTest::keyClick(form, Qt::Key_Escape);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_FALSE(shown[1][0].toBool());
    EXPECT_TRUE(WaitFor([&] { return form.isNull(); }, 2000));
    EXPECT_FALSE(store.ReadString("TLrcForm", "Width", QString()).isEmpty());
}

// The list is put together from line pictures kept between draws. Whatever
// happened before (scrolling, highlight moves, new colours, other lines under
// the same line numbers), it must be the list a new view draws at once.
TEST_F(LyricsWindow, ListFromKeptLinePicturesIsTheListDrawnAfresh) {
    song("long", lines(40, 20));
    open();
    auto drawnAfresh = [&] {
        TLrcView fresh(option);
        fresh.SetOptions(view().Colors, view().LyricsFont, view().BandFont);
        fresh.SetLyrics(view().Lrc);
        fresh.Scroll = view().Scroll;
        fresh.Resize(view().BackSurface.size(), view().FullPanelRect, view().DyPanelRect);
        return fresh.ListSurface;
    };
    for (int line : {0, 1, 2, 12, 13, 14, 30, 3}) {
        SCOPED_TRACE(line);
        at((line + 1) * 20 + 1);
        ASSERT_EQ(view().ListSurface, drawnAfresh());
        // Only the lines in view are kept (some in both colours), however long the song.
        EXPECT_LE(view().KeptLinePictures(), 2 * (view().ListSurface.height() / view().LineHeight + 2));
    }
    TLyricsOptions colors = view().Colors;
    colors.ActiveColor = 0x00FFFF;
    colors.NormalColor = colors.RectColor; // a colour that gets no outline
    view().SetOptions(colors, view().LyricsFont, view().BandFont);
    at(4 * 20 + 1);
    EXPECT_EQ(view().ListSurface, drawnAfresh()) << "new colours";
    TLrcRec other = view().Lrc;
    for (QString& text : other.Lines)
        text = text.replace("Line", "Word");
    view().SetLyrics(other);
    at(4 * 20 + 5);
    EXPECT_EQ(view().ListSurface, drawnAfresh()) << "other lines under the same numbers";
}

TEST_F(LyricsWindow, KeyColouredLinesAreInvisibleAndSettingsShowWhileStopped) {
    song("three", "[00:01.0]one\n[00:02.0]two\n");
    store.WriteInteger("LYRICS", "NORMALCOLOR", 32768);
    open();
    const QImage& back = view().BackSurface;
    // Lines in the key colour leave neither text nor outline behind.
    int outlined = 0;
    for (int y = 0; y < view().ListRect.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            outlined += back.pixel(x, y) != ColorRefToPixel(0);
    EXPECT_EQ(outlined, 0);

    // While stopped a new background colour shows at once.
    store.WriteString("LYRICS", "BKGCOLOR", "&H00FF0000");
    form->LoadLyricsOptions();
    EXPECT_EQ(view().BackSurface.pixel(5, 5), qRgb(0, 0, 255));
    // A lyric line in the normal colour shows once the next update runs.
    store.WriteInteger("LYRICS", "NORMALCOLOR", 255);
    form->LoadLyricsOptions();
    at(11);
    bool red = false;
    for (int y = 0; y < view().ListRect.height() && !red; ++y)
        for (int x = 0; x < back.width() && !red; ++x)
            red = view().BackSurface.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

// Lyrics files are the user's: a line of megabytes or a thousand lines at one
// time tag must not make each redraw cost seconds. Every line is cut once,
// when loading, and the band only lays out what it can show.
TEST_F(LyricsWindow, HugeLinesAreCutOnceAndTheBandDrawsOnlyWhatFits) {
    struct Case {
        const char* name;
        QByteArray lrc;
    } cases[] = {
        {"one-huge-line", "[00:01.0]" + QByteArray(2 * 1024 * 1024, 'x') + "\n[00:09.0]end\n"},
        {"huge-segmented", "[segmented]\n" + lines(2000, 0).replace("Line", QByteArray(300, 'w'))},
        {"thousand-at-one-tag", lines(1000, 0) + "[00:09.0]end\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        song(c.name, c.lrc);
        open();
        ASSERT_TRUE(form->LyricsLoaded());
        for (const QString& line : view().DisplayLines.Lines)
            EXPECT_LE(line.size(), kMaxLyricsLineChars);
        for (const QString& line : view().Lrc.Lines)
            EXPECT_LE(line.size(), kMaxLyricsLineChars);
        at(15);
        ASSERT_GE(view().CurrentLine, 0);
        // Pieces past the band's right edge are not laid out at all.
        for (const BandPiece& piece : view().BandPieces())
            EXPECT_LE(piece.x, view().BandSurface.width()) << piece.text.size();
        EXPECT_LE(view().BandPieces().size(), size_t(view().BandSurface.width()) + 2);
        delete form.data();
        option.SetPlaying(false);
    }
}

// Ticks are ten a second: one that changes nothing on screen draws nothing,
// one that only moves the band's sweep presents the columns of the band it
// swept, and a new line presents everything. Each picture made piecewise equals the picture
// composed from scratch.
TEST_F(LyricsWindow, TicksPresentOnlyWhatChangedAndTheSameAsAFullPicture) {
    song("sweep", "[00:01.0]first line sung slowly\n[00:05.0]second line\n[00:09.0]third\n");
    open();
    QList<QRect> areas;
    QObject::connect(&view(), &TLrcView::presented, [&](const QRect& area) { areas << area; });
    const QRect whole = view().BackSurface.rect();
    const QRect band(view().DyPanelRect.left(), view().DyPanelRect.top() - view().FullPanelRect.top(),
                     view().BandSurface.width(), view().BandSurface.height());
    auto fullPicture = [&] {
        QImage piecewise = view().BackSurface.copy();
        view().Present();
        return piecewise == view().BackSurface;
    };
    struct Step {
        int tenths;
        QRect expected; // null: nothing presented
    } steps[] = {
        {11, whole},   // the first line becomes current
        {11, QRect()}, // the same moment again
        {25, band},    // the sweep moved on along the same line: part of the band
        {25, QRect()},
        {51, whole},   // the next line
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.tenths);
        if (step.expected.isNull()) {
            // Another tick at the same moment.
            areas.clear();
            form->UpdateLyrics();
            EXPECT_TRUE(areas.isEmpty());
        } else {
            at(step.tenths - 1);
            areas.clear();
            option.SetTick(step.tenths % 10);
            ASSERT_FALSE(areas.isEmpty());
            if (step.expected == band) {
                EXPECT_TRUE(band.contains(areas.last())) << "beyond the band";
                EXPECT_LT(areas.last().width(), band.width()) << "more than the swept columns";
            } else {
                EXPECT_EQ(areas.last(), step.expected);
            }
            EXPECT_TRUE(fullPicture());
        }
    }
}

// The lyrics follow tenths of a second only while the window can be seen.
TEST_F(LyricsWindow, TicksRunWhileTheWindowIsOnScreenAndCatchUpWhenItComesBack) {
    song("ticks", "[00:01.0]first\n[00:02.0]second\n[00:03.0]third\n");
    open();
    int ticks = 0;
    QObject::connect(&option, &TOption::tickChanged, [&] { ++ticks; });
    option.SetStatus(StatusPlaying);
    at(10);
    ticks = 0;
    EXPECT_TRUE(WaitFor([&] { return ticks >= 2; }, 1000)) << "shown: the band sweeps";

    form->showMinimized();
    QTest::qWait(50);
    ticks = 0;
    QTest::qWait(250);
    EXPECT_EQ(ticks, 0) << "minimized: nothing to sweep";
    at(25);
    form->showNormal();
    EXPECT_EQ(view().CurrentLine, 1) << "back on screen: the lines show the time played";
    ticks = 0;
    EXPECT_TRUE(WaitFor([&] { return ticks >= 2; }, 1000));

    form->close();
    ticks = 0;
    QTest::qWait(250);
    EXPECT_EQ(ticks, 0) << "closed";
}
