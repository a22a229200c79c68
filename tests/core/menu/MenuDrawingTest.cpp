// The owner-drawn menu's metrics and pixels: 22-pixel rows, the width rule
// with and without a hot key, the side picture's strip, the checkered
// selection, and a picture of the open menu for people.
#include "MenuHarness.h"
#include "MenuMetrics.h"
#include "MenuStyle.h"
#include "PlayerPopupMenu.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

QString hotKeys(const QString& command) {
    if (command.compare("#PlayPause", Qt::CaseInsensitive) == 0)
        return "Ctrl+Alt+P";
    if (command.compare("#Exit", Qt::CaseInsensitive) == 0)
        return "Ctrl+Alt+X";
    return {};
}

struct Drawing : ::testing::Test {
    MenuHarness h{hotKeys};
    PlayerPopupMenu& menu = h.layer->menu();
    QMenu& play = *menu.submenu("Play");

    QAction* action(const char* name) { return h.layer->actions().action(name); }

    QSize itemSize(const QMenu& owner, const QString& text) {
        QStyleOptionMenuItem item;
        item.initFrom(&owner);
        item.font = owner.font();
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.text = text;
        return menu.menuStyle().sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), &owner);
    }

    QImage render(QMenu& m) {
        m.popup(QPoint(40, 40));
        WaitFor([&] { return m.isVisible(); });
        QImage image(m.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        m.render(&image);
        return image;
    }
};

} // namespace

TEST_F(Drawing, ItemWidthIsCaptionPlusAllowancePlusHotKey) {
    using namespace MenuMetrics;
    const QFontMetrics fm(menu.font());
    const int exit = fm.horizontalAdvance("Exit");
    const int key = fm.horizontalAdvance("Ctrl+Alt+X");
    const struct {
        const QMenu* owner;
        QString text;
        int width;
    } cases[] = {
        {&menu, "Exit", exit + 66},
        {&menu, "Exit\tCtrl+Alt+X", exit + 66 + key},
        {&play, "Exit", exit + 42},
        {&play, "Exit\tCtrl+Alt+X", exit + 42 + key},
        // The mnemonic marker takes no room.
        {&play, "Play&Pause", fm.boundingRect(QRect(), Qt::TextShowMnemonic, "Play&Pause").width() + 42},
    };
    for (const auto& c : cases) {
        const QSize size = itemSize(*c.owner, c.text);
        EXPECT_EQ(size.width(), c.width) << c.text.toStdString();
        EXPECT_EQ(size.height(), kRowHeight) << c.text.toStdString();
    }
}

TEST_F(Drawing, RowsAre22PixelsAndTheBoundHotKeyWidensTheMenu) {
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(WaitFor([&] { return menu.isVisible(); }));
    for (const char* name : {"AboutAction", "ListAction", "ExitAction", "MinimizeAction"})
        EXPECT_EQ(menu.actionGeometry(action(name)).height(), MenuMetrics::kRowHeight) << name;
    // Every separator keeps its place in both kinds of menu.
    for (const QMenu* m : {static_cast<QMenu*>(&menu), &play}) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator()) {
                EXPECT_EQ(m->actionGeometry(a).height(), MenuMetrics::kSeparatorHeight)
                    << m->title().toStdString();
            }
        }
    }
    menu.hide();

    // The play submenu holds the one item with a hot key: its width follows
    // the widest caption plus that key.
    play.popup(QPoint(10, 10));
    ASSERT_TRUE(WaitFor([&] { return play.isVisible(); }));
    const QFontMetrics fm(play.font());
    int widest = 0;
    for (const QAction* a : play.actions())
        if (!a->isSeparator())
            widest =
                std::max(widest, fm.boundingRect(QRect(), Qt::TextShowMnemonic, a->text()).width() +
                                     (a->text() == "Play&Pause" ? fm.horizontalAdvance("Ctrl+Alt+P") : 0));
    EXPECT_EQ(play.actionGeometry(action("PlayPauseAction")).width(),
              widest + MenuMetrics::kSubmenuAllowance);
    play.hide();
}

TEST_F(Drawing, GroundSideStripAndCheckeredSelection) {
    using namespace MenuMetrics;
    menu.setActiveAction(action("ListAction"));
    const QImage image = render(menu);
    const QRect list = menu.actionGeometry(action("ListAction"));
    const QRect about = menu.actionGeometry(action("AboutAction"));

    // The menu's ground right of the strip on an unselected row.
    const QPoint ground(about.right() - 4, about.top() + 2);
    EXPECT_EQ(image.pixel(ground), Background().rgb());
    // The strip shows the side picture: dark, never the menu ground.
    const QColor strip = image.pixelColor(about.left() + 3, about.center().y());
    EXPECT_LT(strip.lightness(), 100);
    // The selection: framed, its inside a one-pixel checker of the ground and
    // the tool-tip ground.
    const QColor tip = menu.palette().color(QPalette::ToolTipBase);
    const int x = list.right() - 6, y = list.center().y();
    const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y);
    EXPECT_EQ(image.pixel(x + 1, y + 1), a); // diagonal neighbours alike
    EXPECT_EQ(image.pixel(x, y + 1), b);
    const QRgb g = Background().rgb(), t = tip.rgb();
    EXPECT_TRUE((a == g && b == t) || (a == t && b == g)) << QColor(a).name().toStdString();
    EXPECT_EQ(image.pixel(x, list.top()), menu.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(x, list.bottom()), menu.palette().color(QPalette::Light).rgb());
    menu.hide();
}

TEST_F(Drawing, PictureOfTheOpenMenu) {
    // The menu with its play submenu open beside it, as people see it.
    h.option.SetSinglePlay(true);
    menu.setActiveAction(action("ListAction"));
    const QImage top = render(menu);
    action("ID3Action")->setEnabled(false);
    play.setActiveAction(action("PlayPauseAction"));
    const QImage sub = render(play);
    QImage picture(top.width() + sub.width() + 30, std::max(top.height(), sub.height()) + 20,
                   QImage::Format_RGB32);
    picture.fill(QColor(0x50, 0x5a, 0x60));
    QPainter p(&picture);
    p.drawImage(10, 10, top);
    const int subTop = 10 + menu.actionGeometry(menu.submenu("Play")->menuAction()).top();
    p.drawImage(top.width() + 20, std::min(subTop, picture.height() - sub.height() - 10), sub);
    p.end();
    const QString file = TestOutputFolder() + "/menu-popup.png";
    EXPECT_TRUE(picture.save(file));
    menu.hide();
    play.hide();
}
