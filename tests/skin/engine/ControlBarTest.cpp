// The display window's control bar dressed from section 2 of a skin: placed
// on the bottom edge, opened while the pointer is over it, hidden after the
// countdown.
#include "EngineFixture.h"
#include "SkinWidgets.h"
#include "TCtrl.h"
#include "TFrameForm.h"

using namespace testskin;

TEST_F(EngineTest, ControlBarSitsOnTheBottomEdgeAndHidesAfterTheCountdown) {
    TFrameForm display(store);
    display.resize(400, 300);
    skin->env().setControlBar = [&](TCtrl* bar) {
        TFrameForm::ControlBar face;
        if (bar) {
            face.panel = bar->Panel();
            face.direction = bar->directionOrGroup;
            face.distance = bar->value;
            face.slide = [this, bar](int mode) { skin->SlidePanel(bar->item, bar, mode); };
            face.opened = [bar] { return bar->opened; };
        }
        display.SetControlBar(face);
    };
    skin->env().setMouseInside = [&](bool inside) { display.SetMouseInside(inside); };
    skin->env().positionControlBar = [&] { display.PositionControlBar(); };
    display.show();

    // The bar: 60 x 20, direction 4 (up), distance 10.
    ASSERT_TRUE(skin->LoadSkin(display.CtrlPanel(), Write("a.eks", Basic()), 2));
    QWidget* host = display.CtrlPanel();
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(host->size(), QSize(60, 30)) << "room for the bar closed and open";
    EXPECT_EQ(host->pos(), QPoint(5, display.height() - 30 + 10));
    TCtrl* bar = Find(SkinItemKind::ControlBarPanel);
    EXPECT_EQ(bar->speed, 40);
    EXPECT_FALSE(bar->opened);

    // The pointer enters a control of the bar: it opens and stays.
    Find(SkinItemKind::Button)->MouseEnter();
    EXPECT_TRUE(bar->opened);
    EXPECT_EQ(bar->controls[1]->pos(), QPoint(0, 0));
    WaitFor([] { return false; }, 300);
    EXPECT_TRUE(bar->opened);
    // It leaves: 20 ticks later the bar slides back.
    Find(SkinItemKind::Button)->MouseLeave();
    EXPECT_TRUE(WaitFor([&] { return !bar->opened; }, 3000));
    EXPECT_EQ(bar->controls[1]->pos(), QPoint(0, 10));

    // Taking the face down removes the bar from the display window.
    skin->ClearAll();
    display.ShowControlBarBriefly(); // no bar: nothing to open
    EXPECT_EQ(display.Countdown(), 20);
}
