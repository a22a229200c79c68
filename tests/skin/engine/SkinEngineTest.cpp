// Loading faces, window size and outline, slides, small mode and the "#Skin"
// fall-back, on offscreen windows.
#include "EngineFixture.h"
#include "PlayerSettings.h"
#include "SkinFile.h"
#include "SkinWidgets.h"
#include "TCtrl.h"

#include <QFile>
#include <QScreen>

using namespace testskin;

TEST_F(EngineTest, LoadBuildsTheFaceAndFitsTheWindowForTheOpenDrawer) {
    const QString file = Write("a.eks", Basic(3, 30, 10, 5));
    ASSERT_TRUE(skin->LoadSkin(&window, file, 0));
    TSkinItem* item = Item();
    ASSERT_NE(item, nullptr);
    ASSERT_EQ(item->objects.size(), 3u); // body, drawer, button
    EXPECT_EQ(item->objects[0]->kind, SkinItemKind::WindowBody);
    // The window holds the body and the drawer opened downwards: 5 + 30 + 30.
    EXPECT_EQ(window.size(), QSize(100, 65));
    EXPECT_TRUE(window.isVisible());
    // The outline: the body, plus the closed drawer (inside it).
    EXPECT_TRUE(window.mask().contains(QPoint(50, 30)));
    EXPECT_FALSE(window.mask().contains(QPoint(50, 62))) << "the closed drawer's room stays see-through";
    // The drawer lies behind the body (FrontList), the button above the body image.
    TCtrl* button = Find(SkinItemKind::Button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->controls[0]->toolTip(), "Play");
    EXPECT_EQ(button->controls[0]->geometry(), QRect(5, 5, 10, 10));
    EXPECT_EQ(PlayerSettings::Skin(store), file);
    EXPECT_EQ(commands, QStringList{"#Normal"}) << "section 0 brings the window back";
}

TEST_F(EngineTest, SlideTogglesAndReturnsHome) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic(3, 40, 10, 5)), 0));
    TCtrl* drawer = Find(SkinItemKind::SlidingPanel);
    QWidget* panel = drawer->controls[1];
    const QRect home = panel->geometry();
    EXPECT_EQ(drawer->HomeRect, QRect(10, 5, 40, 30));
    skin->SlidePanel(Item(), drawer, 0);
    EXPECT_TRUE(drawer->opened);
    EXPECT_EQ(panel->pos(), QPoint(10, 45));
    EXPECT_TRUE(window.mask().contains(QPoint(20, 70))) << "the open drawer is part of the outline";
    skin->SlidePanel(Item(), drawer, 1);
    EXPECT_EQ(panel->pos(), QPoint(10, 45)) << "opening an open drawer does nothing";
    skin->SlidePanel(Item(), drawer, 0);
    EXPECT_FALSE(drawer->opened);
    EXPECT_EQ(panel->geometry(), home);
    EXPECT_FALSE(window.mask().contains(QPoint(20, 70)));
}

// A closed drawer wholly under the body is hidden: a repaint of the body (the
// thumb, the time) would otherwise paint the drawer's pictures and list first.
TEST_F(EngineTest, AClosedDrawerUnderTheBodyIsHiddenUntilItOpens) {
    const struct {
        int left;
        bool coveredWhenClosed;
    } cases[] = {{10, true}, {70, false /* sticks out past the body's right edge */}};
    for (const auto& c : cases) {
        ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic(3, 40, c.left, 5)), 0));
        TCtrl* drawer = Find(SkinItemKind::SlidingPanel);
        QWidget* panel = drawer->controls[1];
        EXPECT_EQ(!panel->isVisibleTo(&window), c.coveredWhenClosed) << c.left;
        skin->SlidePanel(Item(), drawer, 0);
        EXPECT_TRUE(panel->isVisibleTo(&window)) << c.left << ": an open drawer shows";
        skin->SlidePanel(Item(), drawer, 0);
        EXPECT_EQ(!panel->isVisibleTo(&window), c.coveredWhenClosed) << c.left;
    }
}

TEST_F(EngineTest, ZeroDistanceTogglesWithoutMoving) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic(3, 0, 10, 5)), 0));
    TCtrl* drawer = Find(SkinItemKind::SlidingPanel);
    const QRect home = drawer->controls[1]->geometry();
    skin->SlidePanel(Item(), drawer, 0);
    EXPECT_TRUE(drawer->opened);
    EXPECT_EQ(drawer->controls[1]->geometry(), home);
}

TEST_F(EngineTest, PanelsLeftOrAboveKeepTheFaceInPlaceAndClearMovesBack) {
    struct Case {
        int direction, left, top;
        QPoint window, body;
    };
    // Direction 2 opens 30 to the left; direction 4 opens 30 upwards; a drawer
    // placed at negative coordinates widens the window too.
    const Case cases[] = {
        {2, 0, 5, {170, 200}, {30, 0}},
        {4, 10, 0, {200, 170}, {0, 30}},
        {3, -8, -4, {192, 196}, {8, 4}},
    };
    for (const Case& c : cases) {
        window.move(200, 200);
        ASSERT_TRUE(skin->LoadSkin(&window, Write("l.eks", Basic(c.direction, 30, c.left, c.top)), 0));
        TSkinItem* item = Item();
        EXPECT_EQ(window.pos(), c.window) << c.direction;
        EXPECT_EQ(item->objects[0]->controls[1]->pos(), c.body) << c.direction;
        EXPECT_EQ(window.pos() + item->objects[0]->controls[1]->pos(), QPoint(200, 200));
        skin->Clear(item);
        EXPECT_EQ(window.pos(), QPoint(200, 200)) << c.direction;
        EXPECT_FALSE(window.isVisible());
        skin->ClearAll();
    }
}

TEST_F(EngineTest, SwitchSmallAndBack) {
    const QString file = Write("a.eks", Basic());
    ASSERT_TRUE(skin->LoadSkin(&window, file, 0));
    skin->SwitchSmall(&window);
    ASSERT_GE(skin->FindRow(&window), 0);
    EXPECT_EQ(skin->Row(skin->FindRow(&window))->section, 1);
    EXPECT_EQ(window.size(), QSize(50, 10));
    EXPECT_EQ(Find(SkinItemKind::Panel)->kind, SkinItemKind::Panel);
    EXPECT_EQ(Find(SkinItemKind::SlidingPanel), nullptr) << "the normal face is gone";
    skin->SwitchSmall(&window);
    EXPECT_EQ(skin->Row(skin->FindRow(&window))->section, 0);
    EXPECT_EQ(window.size(), QSize(100, 65));
    EXPECT_EQ(skin->RowCount(), 1);
}

TEST_F(EngineTest, EmptySmallSectionDoesNotSwitch) {
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", Basic(3, 30, 10, 5, false)), 0));
    skin->SwitchSmall(&window);
    EXPECT_EQ(skin->Row(skin->FindRow(&window))->section, 0);
    EXPECT_NE(Find(SkinItemKind::SlidingPanel), nullptr);
    EXPECT_FALSE(skin->LoadSkin(&window, home.file("a.eks"), 1));
    EXPECT_NE(Find(SkinItemKind::SlidingPanel), nullptr) << "a failed load keeps the face";
}

TEST_F(EngineTest, SkinCommandWithANonSkinFileShowsTheMessageAndRestoresThePrevious) {
    const QString good = Write("good.eks", Basic());
    skin->ApplySkinFile(&window, nullptr, good);
    ASSERT_EQ(skin->Row(skin->FindRow(&window))->fileName, good);
    const QString bad = home.write("notes.eks", "just some text, not a skin at all");
    skin->ApplySkinFile(&window, nullptr, bad);
    EXPECT_TRUE(Messages().contains("Could not open the skin file.")) << Messages().join("|").toStdString();
    EXPECT_TRUE(Messages().contains("Invalid file format!"));
    EXPECT_EQ(skin->Row(skin->FindRow(&window))->fileName, good);
    EXPECT_EQ(PlayerSettings::Skin(store), good);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(EngineTest, SkinCommandFallsBackToDefaultSkin) {
    const QString fallback = Write("default.eks", Basic(1, 20, 60, 5));
    PlayerSettings::SetSkin(store, home.file("missing.eks"));
    QWidget bar;
    skin->ApplySkinFile(&window, &bar, home.file("also-missing.eks"));
    EXPECT_EQ(Messages(), QStringList{"Could not open the skin file."});
    ASSERT_GE(skin->FindRow(&window), 0);
    EXPECT_EQ(skin->Row(skin->FindRow(&window))->fileName, fallback);
    ASSERT_GE(skin->FindRow(&bar), 0) << "the control bar is dressed from the skin that loaded";
    EXPECT_EQ(skin->Row(skin->FindRow(&bar))->section, 2);
}

TEST_F(EngineTest, SlideKindAndExtractFindTheDrawer) {
    SkinWriter w = Basic();
    // A list view in the drawer and an "#Extract" button beside it.
    w.sections[0].objects.push_back(Object(1, SkinItemKind::PlayListView, Place(2, 2)));
    w.sections[0].objects.push_back(
        Object(1, SkinItemKind::Button,
               Place(20, 2) + std::vector{SkinWriterProperty::Text(SkinCode::Command, "#Extract")} +
                   States(1, 5, 5)));
    ASSERT_TRUE(skin->LoadSkin(&window, Write("a.eks", w), 0));
    TCtrl* drawer = Find(SkinItemKind::SlidingPanel);
    EXPECT_TRUE(skin->ListCommand(Find(SkinItemKind::Button, 0), &window));
    EXPECT_TRUE(drawer->opened);
    skin->Extract(Find(SkinItemKind::Button, 1));
    EXPECT_FALSE(drawer->opened);
    EXPECT_TRUE(skin->ListCommand(&window, &window)) << "the window itself as sender finds its list";
    EXPECT_TRUE(drawer->opened);
    EXPECT_FALSE(skin->ListCommand(nullptr, &window)) << "no sender: the file manager's turn";
    EXPECT_FALSE(skin->DisplayCommand(&window, 0)) << "no display area in this face";
    skin->Extract(Find(SkinItemKind::Button, 0));
    EXPECT_TRUE(drawer->opened) << "a button outside every drawer slides nothing";
}

TEST_F(EngineTest, DrawerHandlePointsTheWayTheDrawerWillMove) {
    // A handle picture with a marked corner: where the corner ends up shows
    // which way it is turned.
    QImage handle = Pic(6, 4, Qt::gray);
    handle.setPixel(0, 0, qRgb(255, 0, 0));
    struct Case {
        int direction;
        bool horizontal; // the picture turns left-right (else upside down) while open
    };
    for (const Case c : {Case{1, true}, Case{2, true}, Case{3, false}, Case{4, false}}) {
        SCOPED_TRACE(c.direction);
        SkinWriter w = Basic(c.direction);
        w.sections[0].objects.push_back(Object(
            1, SkinItemKind::Button,
            Place(20, 2) + std::vector{SkinWriterProperty::Text(SkinCode::Command, "#Extract"),
                                       SkinWriterProperty::Bitmap(SkinCode::StateImage, handle)}));
        ASSERT_TRUE(skin->LoadSkin(&window, Write("h.eks", w), 0));
        TCtrl* drawer = Find(SkinItemKind::SlidingPanel);
        TKvImage* picture = Find(SkinItemKind::Button, 1)->Image(0);
        ASSERT_TRUE(picture);
        auto marked = [&] {
            const QImage image = picture->Picture().convertToFormat(QImage::Format_RGB32);
            for (QPoint p : {QPoint(0, 0), QPoint(5, 0), QPoint(0, 3)})
                if (image.pixel(p) == qRgb(255, 0, 0))
                    return p;
            return QPoint(-1, -1);
        };
        EXPECT_EQ(marked(), QPoint(0, 0)) << "closed: as drawn";
        skin->SlidePanel(Item(), drawer, 0);
        ASSERT_TRUE(drawer->opened);
        EXPECT_EQ(marked(), c.horizontal ? QPoint(5, 0) : QPoint(0, 3)) << "open: turned to point back";
        skin->SlidePanel(Item(), drawer, 0);
        EXPECT_EQ(marked(), QPoint(0, 0)) << "closed again";
        skin->ClearAll();
    }
}

TEST(DefaultSkin, ReadsCompletely) {
    SkinFile file;
    ASSERT_TRUE(file.open(QStringLiteral(SORVI_BUILD_DIR "/default.eks")).ok());
    SkinSection sections[3];
    for (int s = 0; s < 3; ++s)
        ASSERT_TRUE(file.readSection(s, &sections[s]).ok()) << s;
    std::vector<qint32> front;
    qint64 end = 0;
    ASSERT_TRUE(file.readFrontList(&front, &end).ok());
    EXPECT_EQ(end, file.size()) << "the FrontList ends the file";
    // Every function of the player's face is there.
    QStringList commands;
    for (const SkinSection& s : sections)
        for (const ObjectRecord& r : s.objects)
            if (r.command)
                commands << r.command->toUpper();
    for (const char* c : {"#MINIMIZE",
                          "#SWITCHSMALL",
                          "#EXIT",
                          "#LIST",
                          "#PREV",
                          "#NEXT",
                          "#OPENFILE",
                          "#PAUSE",
                          "#DISPLAY,DBLCLICK",
                          "#URL",
                          "#LYRICS",
                          "#SETUP",
                          "#FORWARD",
                          "#REWIND",
                          "#PLAYSTOP",
                          "#SILENT",
                          "#EXTRACT",
                          "#ONTOP",
                          "#PLAYPAUSE",
                          "#STOP",
                          "#DISPLAY,FULLSCREEN",
                          "#DISPLAY,MINIMIZE",
                          "#DISPLAY,CLOSE"})
        EXPECT_TRUE(commands.contains(c)) << c;
    // Every button has a tool tip.
    for (const SkinSection& s : sections)
        for (const ObjectRecord& r : s.objects)
            if (r.kind == SkinItemKind::Button || r.kind == SkinItemKind::IndicatorButton) {
                EXPECT_TRUE(r.hint && !r.hint->isEmpty()) << (r.command ? r.command->toStdString() : "");
            }
    EXPECT_EQ(sections[2].objects[0].kind, SkinItemKind::ControlBarPanel);
    EXPECT_EQ(sections[2].objects[0].directionOrGroup, 4);
}

// The drawers lie behind the body. Run under an X server
// (QT_QPA_PLATFORM=xcb) this also reads the pixels back from the screen,
// where a list view that calls itself opaque was once painted over the body.
TEST_F(EngineTest, DefaultSkinStacksTheBodyAboveItsDrawers) {
    // The window is already on the screen when its face arrives.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setAttribute(Qt::WA_NoSystemBackground);
    window.setAttribute(Qt::WA_OpaquePaintEvent);
    window.setFixedSize(428, 249);
    window.show();
    WaitFor([] { return false; }, 200);
    ASSERT_TRUE(skin->LoadSkin(&window, QStringLiteral(SORVI_BUILD_DIR "/default.eks"), 0));
    WaitFor([] { return false; }, 200);
    QWidget* listView = Find(SkinItemKind::PlayListView)->controls[0];
    listView->update();
    EXPECT_FALSE(listView->testAttribute(Qt::WA_OpaquePaintEvent));
    QWidget* body = Find(SkinItemKind::WindowBody)->controls[1];
    QList<QWidget*> stack;
    for (QObject* child : window.children())
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isVisible())
            stack << w;
    ASSERT_FALSE(stack.isEmpty());
    EXPECT_EQ(stack.last(), body) << "children bottom to top: " << stack.size();
    EXPECT_EQ(window.childAt(200, 60) ? window.childAt(200, 60)->parentWidget() : nullptr, body);
    WaitFor([] { return false; }, 300);
    const QImage face = qEnvironmentVariable("QT_QPA_PLATFORM") == "xcb"
                            ? window.screen()->grabWindow(window.winId()).toImage()
                            : window.grab().toImage();
    face.save(TestOutputFolder() + "/skin-engine-normal.png");
    EXPECT_EQ(face.pixelColor(200, 80), QColor(0x0A, 0x0F, 0x15))
        << "the screen of the body, not the list behind it";
    EXPECT_EQ(face.pixelColor(340, 62), QColor(0x0A, 0x0F, 0x15)) << "not the volume slider behind it";
}
