// Mouse routing, sliders, indicators, the number display and the scrolling
// title, on offscreen windows.
#include "EngineFixture.h"

#include <QElapsedTimer>
#include "SkinPlayList.h"
#include "SkinWidgets.h"
#include "TCtrl.h"
#include "TKvListView.h"
#include "PlaybackHost.h"
#include "TPlay.h"
#include "TPlayControl.h"

#include <QElapsedTimer>
#include <QTest>

using namespace testskin;

namespace {

// Section 0 with sliders (track 110 x 10, thumb 10 x 10), an indicator in
// group 9, shuffle, a number display, a title and a time display.
SkinWriter Controls(bool verticalVolume = false) {
    SkinWriter w = Basic();
    auto slider = [](SkinItemKind kind, int top, const QString& option) {
        std::vector<SkinWriterProperty> p = Place(0, top);
        p.push_back(SkinWriterProperty::Bitmap(SkinCode::StateImage, Pic(110, 10, Qt::darkGray)));
        for (int i = 1; i < 4; ++i)
            p.push_back(
                SkinWriterProperty::Bitmap(SkinCode::StateImage + i, Pic(10, 10, QColor(i * 60, 0, 0))));
        if (!option.isEmpty())
            p.push_back(SkinWriterProperty::Text(SkinCode::OptionText, option));
        return Object(0, kind, p);
    };
    w.sections[0].objects.push_back(slider(SkinItemKind::VolumeSlider, 20, verticalVolume ? "上下" : "左右"));
    w.sections[0].objects.push_back(slider(SkinItemKind::BalanceSlider, 32, "左右"));
    w.sections[0].objects.push_back(slider(SkinItemKind::PositionSlider, 44, ""));
    w.sections[0].objects.push_back(
        Object(0, SkinItemKind::IndicatorButton,
               Place(60, 5) +
                   std::vector{SkinWriterProperty::Text(SkinCode::Command, "#Silent"),
                               SkinWriterProperty::Int(SkinCode::Group, 9)} +
                   States(9, 6, 6)));
    w.sections[0].objects.push_back(Object(0, SkinItemKind::ShuffleButton, Place(70, 5) + States(6, 6, 6)));
    std::vector<SkinWriterProperty> digits = Place(80, 5);
    for (int d = 0; d <= 10; ++d)
        digits.push_back(SkinWriterProperty::Bitmap(SkinCode::StateImage + d,
                                                    Pic(d == 10 ? 4 : 5, 7, QColor(d * 20, 0, 0))));
    w.sections[0].objects.push_back(Object(0, SkinItemKind::NumberDisplay, digits));
    w.sections[0].objects.push_back(Object(
        0, SkinItemKind::TitleDisplay,
        Place(20, 5) +
            std::vector{SkinWriterProperty::Int(SkinCode::Width, 30),
                        SkinWriterProperty::Text(SkinCode::StateFont, "DejaVu Sans,[],&H00FFFFFF,8,0")}));
    w.sections[0].objects.push_back(
        Object(0, SkinItemKind::TimeDisplay,
               Place(20, 15) +
                   std::vector{SkinWriterProperty::Text(SkinCode::StateFont, "DejaVu Sans,[],&H00FFFFFF,8,0"),
                               SkinWriterProperty::Text(SkinCode::OptionText, "长型")}));
    return w;
}
} // namespace

TEST_F(EngineTest, ReleaseOutsideAButtonRunsNothing) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic()), 0));
    commands.clear();
    TCtrl* button = Find(SkinItemKind::Button);
    button->MouseEnter();
    EXPECT_EQ(button->state, 1);
    button->MouseDown(0, Qt::LeftButton, {3, 3}, {});
    EXPECT_EQ(button->state, 2);
    button->MouseMove(0, Qt::LeftButton, {40, 3});
    EXPECT_EQ(button->state, 0) << "dragged off the button";
    button->MouseUp(0, Qt::LeftButton, {40, 3}, {});
    EXPECT_TRUE(commands.isEmpty());
    EXPECT_EQ(button->state, 0);
    EXPECT_EQ(TCtrl::pressedButton, 2);
}

TEST_F(EngineTest, ClickRunsTheCommandWithTheObjectAsSender) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic()), 0));
    commands.clear();
    senders.clear();
    TCtrl* button = Find(SkinItemKind::Button);
    QTest::mouseClick(button->controls[0], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(commands, QStringList{"#PLAY"});
    EXPECT_EQ(senders.value(0), button);
    EXPECT_EQ(button->state, 1);
}

TEST_F(EngineTest, ACommandThatTakesTheFaceDownInsideTheClickIsSafe) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic()), 0));
    // "#Exit" from a skin button runs the close sequence inside the click.
    skin->env().doCommand = [this](const QString& c, QObject*) {
        commands << c;
        skin->ClearAll();
    };
    QPointer<QWidget> button = Find(SkinItemKind::Button)->controls[0].data();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(commands.last(), "#PLAY");
    EXPECT_EQ(skin->RowCount(), 0);
    EXPECT_FALSE(button.isNull()) << "not inside the click";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(button.isNull()) << "the controls go after the click";
}

TEST_F(EngineTest, EnteringWithTheButtonHeldShowsPressed) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic()), 0));
    TCtrl* body = Find(SkinItemKind::WindowBody);
    TCtrl* button = Find(SkinItemKind::Button);
    body->MouseDown(0, Qt::LeftButton, {50, 50}, {});
    button->MouseEnter();
    EXPECT_EQ(button->state, 2);
    body->MouseUp(0, Qt::LeftButton, {50, 50}, {});
    button->MouseEnter();
    EXPECT_EQ(button->state, 1);
}

TEST_F(EngineTest, MissingStateFallsBackToStateZero) {
    SkinWriter w = Basic();
    // States 0 and 2 only: entry 1 is empty.
    w.sections[0].objects[1].properties = Place(5, 5);
    w.sections[0].objects[1].properties.push_back(SkinWriterProperty::Bitmap(200, Pic(10, 10, Qt::red)));
    w.sections[0].objects[1].properties.push_back(SkinWriterProperty::Blob(201, {}));
    w.sections[0].objects[1].properties.push_back(SkinWriterProperty::Bitmap(202, Pic(10, 10, Qt::blue)));
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", w), 0));
    TCtrl* button = Find(SkinItemKind::Button);
    button->SetState(1);
    EXPECT_EQ(button->state, 0);
    EXPECT_EQ(button->Image()->Picture().pixelColor(0, 0), QColor(Qt::red));
    button->SetState(2);
    EXPECT_EQ(button->Image()->Picture().pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(EngineTest, DoubleClickOnAPanelPostsSwitchSmall) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic()), 0));
    Find(SkinItemKind::WindowBody)->DoubleClick();
    EXPECT_EQ(posted, QStringList{"#SwitchSmall"});
    EXPECT_EQ(skin->Row(0)->section, 0) << "nothing is rebuilt inside the click";
}

TEST_F(EngineTest, VolumeAndBalanceDragsShowTheirReadOuts) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TCtrl* volume = Find(SkinItemKind::VolumeSlider);
    TCtrl* balance = Find(SkinItemKind::BalanceSlider);
    TKvLabel* title = Find(SkinItemKind::TitleDisplay)->Label();
    option.SetVolume(0);
    EXPECT_EQ(volume->ThumbOffset(), 0);
    volume->MouseDown(0, Qt::LeftButton, {5, 5}, {});
    EXPECT_TRUE(option.VolumeDragging());
    EXPECT_TRUE(info.Paused());
    volume->MouseMove(0, Qt::LeftButton, {55, 5});
    EXPECT_EQ(volume->ThumbOffset(), 50);
    EXPECT_EQ(option.Volume(), 32767);
    EXPECT_EQ(info.Line(title)->shown, "Volume : 49%");
    volume->MouseMove(0, Qt::LeftButton, {500, 5});
    EXPECT_EQ(option.Volume(), 65535) << "clamped inside the track";
    EXPECT_EQ(info.Line(title)->shown, "Volume : 100%");
    volume->MouseUp(0, Qt::LeftButton, {5, 5}, {});
    EXPECT_FALSE(info.Paused());
    EXPECT_FALSE(option.VolumeDragging());
    EXPECT_EQ(info.Line(title)->shown, info.Line(title)->full);

    option.SetBalance(50);
    EXPECT_EQ(balance->ThumbOffset(), 50);
    balance->MouseDown(0, Qt::LeftButton, {5, 5}, {});
    balance->MouseMove(0, Qt::LeftButton, {-95, 5});
    EXPECT_EQ(option.Balance(), 0);
    EXPECT_EQ(info.Line(title)->shown, "Balance : Left 100%");
    balance->MouseUp(0, Qt::LeftButton, {5, 5}, {});
    // A press on the track of a volume slider does nothing.
    volume->MouseDown(1, Qt::LeftButton, {2, 2}, {});
    EXPECT_EQ(option.Volume(), 65535);
}

TEST_F(EngineTest, ANoticeHoldsTheTitleDisplayThenYieldsToTheTitle) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TKvLabel* title = Find(SkinItemKind::TitleDisplay)->Label();
    const TInfomation::ScrollLine* line = info.Line(title);
    info.ShowNotice("cannot play: not an audio file", 200);
    EXPECT_EQ(line->shown, "cannot play: not an audio file");
    EXPECT_FALSE(info.Running()) << "the notice stands still";
    // The next song's title arrives while the notice is up: it waits.
    info.UpdateAll();
    for (int i = 0; i < 300; ++i)
        info.Tick();
    EXPECT_EQ(line->shown, "cannot play: not an audio file");
    ASSERT_TRUE(WaitFor([&] { return !info.NoticeShown(); }, 5000));
    EXPECT_EQ(line->shown, line->full);
    EXPECT_EQ(line->scroll.offset, 0) << "the title starts over";
    EXPECT_TRUE(info.Running());
}

TEST_F(EngineTest, VerticalVolumeSliderHasItsTopAtTheHighEnd) {
    SkinWriter w = Controls(true);
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", w), 0));
    TCtrl* volume = Find(SkinItemKind::VolumeSlider);
    // The track is 10 high and the thumb too: the range is 1.
    option.SetVolume(65535);
    EXPECT_EQ(volume->ThumbOffset(), 0);
    option.SetVolume(0);
    EXPECT_EQ(volume->ThumbOffset(), 0);
}

TEST_F(EngineTest, PositionTrackPressJumpsAndSeeks) {
    std::vector<std::pair<int, QString>> sent;
    skin->env().sendToCurrentPlugin = [&sent](int code, const QString& a) { sent.push_back({code, a}); };
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    sent.clear();
    TCtrl* position = Find(SkinItemKind::PositionSlider);
    option.SetDuration(200);
    option.SetStatus(StatusPlaying);
    position->MouseDown(1, Qt::LeftButton, {55, 5}, {});
    EXPECT_EQ(position->ThumbOffset(), 50);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], (std::pair<int, QString>{7, "100"}));
    EXPECT_EQ(option.Position(), 100);
    EXPECT_FALSE(option.PositionDragging());
    // Left of the thumb's half width: the start of the track.
    position->MouseDown(1, Qt::LeftButton, {3, 5}, {});
    EXPECT_EQ(position->ThumbOffset(), 0);
    EXPECT_EQ(sent.back().second, "0");
}

TEST_F(EngineTest, PositionDragReleasedWithCtrlDoesNotSeek) {
    std::vector<std::pair<int, QString>> sent;
    skin->env().sendToCurrentPlugin = [&sent](int code, const QString& a) { sent.push_back({code, a}); };
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    sent.clear();
    TCtrl* position = Find(SkinItemKind::PositionSlider);
    TCtrl* time = Find(SkinItemKind::TimeDisplay);
    option.SetDuration(200);
    option.SetStatus(StatusPlaying);
    option.ReportEngineTime(20);
    EXPECT_EQ(position->ThumbOffset(), 10);
    position->MouseDown(0, Qt::LeftButton, {5, 5}, {});
    position->MouseMove(0, Qt::LeftButton, {45, 5});
    EXPECT_EQ(position->ThumbOffset(), 50);
    EXPECT_EQ(time->Label()->text(), " 1:40 / 3:20") << "the time follows the thumb";
    position->MouseUp(0, Qt::LeftButton, {45, 5}, Qt::ControlModifier);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(position->ThumbOffset(), 10) << "back at the play position";
    EXPECT_EQ(time->Label()->text(), " 0:20 / 3:20");

    position->MouseDown(0, Qt::LeftButton, {5, 5}, {});
    position->MouseMove(0, Qt::LeftButton, {45, 5});
    position->MouseUp(0, Qt::LeftButton, {45, 5}, {});
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].second, "100");
}

TEST_F(EngineTest, AHiddenFaceIsLeftAloneAndCatchesUpWhenShownAgain) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TCtrl* position = Find(SkinItemKind::PositionSlider);
    TCtrl* time = Find(SkinItemKind::TimeDisplay);
    window.show();
    option.SetDuration(200);
    option.SetStatus(StatusPlaying);
    option.ReportEngineTime(20);
    ASSERT_EQ(position->ThumbOffset(), 10);

    for (bool minimize : {true, false}) {
        SCOPED_TRACE(minimize ? "minimized" : "hidden");
        if (minimize)
            window.showMinimized();
        else
            window.hide();
        option.ReportEngineTime(100);
        EXPECT_EQ(position->ThumbOffset(), 10) << "nobody sees the thumb: it does not move";
        EXPECT_EQ(time->Label()->text(), " 0:20 / 3:20");
        window.showNormal();
        EXPECT_EQ(position->ThumbOffset(), 50) << "shown again: the face shows the song";
        EXPECT_EQ(time->Label()->text(), " 1:40 / 3:20");
        option.ReportEngineTime(20);
    }
}

// The thumb moves on by itself between the engine's whole-second reports,
// when its next pixel is due: once, at the half second, whether or not the
// tenths tick runs for another window (the lyrics window wants it).
TEST_F(EngineTest, ThePositionThumbMovesOnceBetweenReportsWithOrWithoutTicks) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TCtrl* position = Find(SkinItemKind::PositionSlider);
    window.show();
    QObject tickUser;
    for (const bool ticking : {false, true}) {
        SCOPED_TRACE(ticking ? "ticking" : "no ticks");
        option.WantTicks(&tickUser, ticking);
        int ticks = 0;
        const auto counter = QObject::connect(&option, &TOption::tickChanged, [&] { ++ticks; });
        option.SetDuration(20); // 100 free pixels: 5 a second
        option.SetStatus(StatusPlaying);
        option.ReportEngineTime(10);
        EXPECT_EQ(position->ThumbOffset(), 50);
        ticks = 0;
        // Between reports the thumb moves once, at the half second: at most
        // two repaints a second, however fast it travels.
        QElapsedTimer clock;
        clock.start();
        QList<int> offsets{position->ThumbOffset()};
        qint64 movedAt = -1;
        while (clock.elapsed() < 900) {
            QTest::qWait(10);
            if (position->ThumbOffset() != offsets.last()) {
                offsets << position->ThumbOffset();
                if (movedAt < 0)
                    movedAt = clock.elapsed();
            }
        }
        EXPECT_EQ(offsets.size(), 2) << "moves before the next report: " << offsets.size() - 1;
        if (offsets.size() > 1) {
            EXPECT_GE(offsets[1], 52);
            EXPECT_LE(offsets[1], 54);
        }
        EXPECT_GE(movedAt, 400) << "moved before the half second";
        if (ticking)
            EXPECT_GE(ticks, 5) << "the tick ran";
        else
            EXPECT_EQ(ticks, 0);
        option.SetStatus(StatusPaused);
        const int paused = position->ThumbOffset();
        QTest::qWait(400);
        EXPECT_EQ(position->ThumbOffset(), paused) << "paused: the thumb stands";
        QObject::disconnect(counter);
    }
}

// The display window's control bar lies in a window that may never be shown.
// Its thumb is placed at each report, so it is right when the window first
// shows, but no timer wakes the player between reports for it.
TEST_F(EngineTest, AThumbInAWindowNeverShownTakesNoTimer) {
    QWidget frame;
    auto* host = new QWidget(&frame);
    ASSERT_TRUE(skin->LoadSkin(host, Write("c.eks", Controls()), 0));
    TCtrl* position = Find(SkinItemKind::PositionSlider);
    const QTimer* thumbTimer = skin->findChild<QTimer*>(QStringLiteral("thumbTimer"));
    ASSERT_NE(thumbTimer, nullptr);
    option.SetDuration(20);
    option.SetStatus(StatusPlaying);
    option.ReportEngineTime(10);
    EXPECT_EQ(position->ThumbOffset(), 50);
    EXPECT_FALSE(thumbTimer->isActive());
    frame.show();
    option.ReportEngineTime(11);
    EXPECT_EQ(position->ThumbOffset(), 55);
    EXPECT_TRUE(thumbTimer->isActive()) << "shown: the thumb moves at the half second";
}

TEST_F(EngineTest, IndicatorsShuffleAndNumberFollowTheState) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TCtrl* mute = Find(SkinItemKind::IndicatorButton);
    TCtrl* shuffle = Find(SkinItemKind::ShuffleButton);
    TCtrl* number = Find(SkinItemKind::NumberDisplay);
    option.SetMute(true);
    EXPECT_EQ(mute->value, 1);
    EXPECT_EQ(mute->Image()->Picture().pixelColor(0, 0), QColor(120, 200, 90));
    option.SetMute(false);
    EXPECT_EQ(mute->value, 0);
    option.SetShuffle(true);
    EXPECT_EQ(shuffle->value, 1);
    shuffle->SetState(1);
    EXPECT_EQ(shuffle->state, 1);
    skin->SetKindValue(SkinItemKind::ShuffleButton, 2);
    shuffle->SetState(1);
    EXPECT_EQ(shuffle->state, 0) << "value 2 has no pictures in this skin: state 0";

    struct Case {
        int index, width;
    };
    // Blank digits are 4 wide, digits 5.
    for (Case c : {Case{-1, 12}, Case{0, 13}, Case{1, 13}, Case{99, 15}, Case{100, 15}}) {
        option.SetCurrentIndex(c.index);
        EXPECT_EQ(number->state, c.index);
        EXPECT_EQ(number->controls[0]->width(), c.width) << c.index;
    }
    commands.clear();
    number->MouseDown(0, Qt::LeftButton, {1, 1}, {});
    number->MouseUp(0, Qt::LeftButton, {1, 1}, {});
    EXPECT_EQ(commands, QStringList{"#List"});
}

TEST_F(EngineTest, TimeDisplayFormats) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TCtrl* time = Find(SkinItemKind::TimeDisplay);
    EXPECT_EQ(time->value, 1);
    option.SetDuration(250);
    option.SetPosition(65);
    EXPECT_EQ(time->Label()->text(), " 1:05 / 4:10");
    option.SetTimeMode(true);
    EXPECT_EQ(time->Label()->text(), "-3:05 / 4:10");
}

TEST_F(EngineTest, TitleScrollsAfterTheHold) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("c.eks", Controls()), 0));
    TKvLabel* title = Find(SkinItemKind::TitleDisplay)->Label();
    const TInfomation::ScrollLine* line = info.Line(title);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->full, "***  Sorvi Audio  ***");
    EXPECT_EQ(line->scroll.offset, 0) << "no song: the text starts at x = 0";
    EXPECT_EQ(line->scroll.limit, QFontMetrics(title->font()).horizontalAdvance(line->full) * 2);
    // Every drawing counts down the hold, the first ones included.
    EXPECT_GT(line->scroll.hold, TInfomation::kHold - 5);
    EXPECT_TRUE(info.Running()) << "the text is wider than its label";
    const int drawsBefore = info.Draws();
    for (int i = line->scroll.hold; i > 0; --i)
        info.Tick();
    EXPECT_EQ(line->scroll.offset, 0);
    EXPECT_EQ(info.Draws(), drawsBefore) << "the held text is not drawn again";
    info.Tick();
    EXPECT_EQ(line->scroll.offset, 1);
    info.Tick();
    info.Tick();
    EXPECT_EQ(line->scroll.offset, 3);
    EXPECT_EQ(info.Draws(), drawsBefore + 2) << "three half-pixel steps cross two whole pixels";
    info.SetEnabled(false);
    EXPECT_FALSE(info.Running()) << "nothing wakes the player while minimized";
    info.Tick();
    EXPECT_EQ(line->scroll.offset, 3) << "no scrolling while minimized";
    info.SetEnabled(true);
    EXPECT_TRUE(info.Running());
    skin->ClearAll();
    EXPECT_EQ(info.Count(), 0);
}

TEST_F(EngineTest, TitleThatFitsStandsStillAndNoTimerRuns) {
    QWidget parent;
    TKvLabel label(&parent);
    label.resize(400, 14);
    SongInfoText song;
    TInfomation still([&song] { return song; });
    still.Register(&label);
    EXPECT_FALSE(still.Running()) << "\"***  Sorvi Audio  ***\" fits 400 pixels";
    for (int i = 0; i < 300; ++i)
        still.Tick();
    EXPECT_EQ(still.Line(&label)->scroll.offset, 0);
    // A long title scrolls; a short one again stands still.
    song.current = true;
    song.title = QString(80, 'W');
    still.UpdateAll();
    EXPECT_TRUE(still.Running());
    song.title = "Short";
    still.UpdateAll();
    EXPECT_FALSE(still.Running());
}

TEST_F(EngineTest, PlayListViewMirrorsTheListAndPlaysTheActivatedRow) {
    TPlay play(&option);
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(home.write("one.mp3", "x"));
    play.AddFile(home.write("two.mp3", "y"));
    play.EndAdd();
    skin->env().play = &play;
    SkinWriter w = Basic();
    w.sections[0].objects.push_back(
        Object(1, SkinItemKind::PlayListView,
               Place(2, 2) + std::vector{SkinWriterProperty::Int(SkinCode::Width, 30),
                                         SkinWriterProperty::Int(SkinCode::Height, 20)}));
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", w), 0));
    SkinPlayList* list = Find(SkinItemKind::PlayListView)->list;
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->List()->Items().size(), 2);
    commands.clear();
    emit list->List()->OnItemActivated(1);
    EXPECT_EQ(commands, QStringList{"#Play," + play.Default().Song(1).FileName});
    list->List()->SetItemIndex(0);
    list->DeleteSelectedRows();
    EXPECT_EQ(play.Default().Count(), 1);
    EXPECT_EQ(list->List()->Items().size(), 1) << "the store tells its views";
    // A face taken down leaves the store: later changes reach no dead view.
    skin->ClearAll();
    play.DeleteSong(TPlay::kDefaultId, 0, true);
    EXPECT_EQ(play.Default().Count(), 0);
}

TEST_F(EngineTest, DeletingRowsRenumbersFollowsTheCurrentSongAndIsSaved) {
    TPlay play(&option);
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"})
        play.AddFile(home.write(name, "x"));
    play.EndAdd();
    struct Host : PlaybackHost {
        QString playing;
        void PlayFile(const QString& file) override { playing = file.section('/', -1); }
        void StopCurrent() override {}
    } host;
    TPlayControl control(play, option, host, [](const QString&) {});
    skin->env().play = &play;
    SkinWriter w = Basic();
    w.sections[0].objects.push_back(
        Object(1, SkinItemKind::PlayListView,
               Place(2, 2) + std::vector{SkinWriterProperty::Int(SkinCode::Width, 30),
                                         SkinWriterProperty::Int(SkinCode::Height, 60)}));
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", w), 0));
    SkinPlayList* list = Find(SkinItemKind::PlayListView)->list;
    ASSERT_NE(list, nullptr);
    option.SetCurrentIndex(2);
    control.LoadCurrent();
    control.PlayCurrent(); // "c.mp3" plays
    ASSERT_EQ(host.playing, "c.mp3");

    list->List()->SetItemIndex(0);
    QTest::keyClick(list->List(), Qt::Key_Delete); // "a.mp3" goes
    EXPECT_EQ(list->List()->Items(), (QStringList{"1. b.mp3", "2. c.mp3", "3. d.mp3"}));
    EXPECT_EQ(option.CurrentIndex(), 1);
    EXPECT_EQ(list->List()->ItemFocus(), 1) << "the playing row stays marked";
    control.NextSong();
    EXPECT_EQ(play.Current().FileName.section('/', -1), "d.mp3") << "the song after the current one comes next";

    TPlay restarted;
    ASSERT_EQ(restarted.LoadDefaultList(), 0);
    ASSERT_EQ(restarted.Default().Count(), 3) << "the deletion was saved";
    EXPECT_EQ(restarted.Default().Song(0).FileName.section('/', -1), "b.mp3");

    // Every selected row goes with one Delete: a click and a Shift-click select two.
    TKvListView* view = list->List();
    auto rowPoint = [view](int row) {
        return QPoint(view->SurfaceRect().left() + 5,
                      view->SurfaceRect().top() + 3 + row * view->RowHeight() + view->RowHeight() / 2);
    };
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, rowPoint(0));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, rowPoint(1));
    ASSERT_EQ(list->List()->SelectedRows(), (QList<int>{0, 1}));
    QTest::keyClick(list->List(), Qt::Key_Delete); // "b.mp3" and "c.mp3" go
    EXPECT_EQ(list->List()->Items(), QStringList{"1. d.mp3"});
    EXPECT_EQ(option.CurrentIndex(), 0) << "the playing song keeps its mark";
    skin->ClearAll(); // the face leaves the store before the store goes
    skin->env().play = nullptr;
}
