// The file manager and the search page in the real program under a window
// manager: "#FileManage" shows the page, a double-clicked song plays (its play
// count grows once the null sink plays it), and two rows dragged onto another
// category are in that category of "default.lst" after "#Exit". Screenshots
// of both pages go to the test output folder.
#include "../playlist/ListBytes.h"
#include "SkinnedPlayer.h"

#include <QDir>
#include <QThread>
#include <optional>

namespace {

struct FileManagerPlayer : SkinnedPlayer {
    QString windowId(const QString& title) const {
        return RunTool("xdotool", {"search", "--onlyvisible", "--name", title}).section('\n', 0, 0).trimmed();
    }
    void mouseTo(QPoint p) const {
        RunTool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    }
    void clickAt(QPoint p, const QStringList& modifiers = {}) const {
        mouseTo(p);
        for (const QString& m : modifiers)
            RunTool("xdotool", {"keydown", m});
        RunTool("xdotool", {"click", "1"});
        for (const QString& m : modifiers)
            RunTool("xdotool", {"keyup", m});
        QThread::msleep(150);
    }
    static bool cream(QRgb c) { return qRed(c) == 0xFF && qGreen(c) == 0xFB && qBlue(c) == 0xF0; }
    // The area painted in the focus colour: the viewport of the focused tree or list.
    static std::optional<QRect> creamArea(const QImage& shot, const QRect& within) {
        QRect area;
        for (int y = within.top(); y <= within.bottom(); y += 2)
            for (int x = within.left(); x <= within.right(); x += 2)
                if (cream(shot.pixel(x, y)))
                    area |= QRect(x, y, 1, 1);
        if (area.width() < 40 || area.height() < 40)
            return std::nullopt;
        return area;
    }
    // The rows of an area mostly painted in one colour that is not the focus
    // colour: the selected row's band (top, height).
    static std::optional<std::pair<int, int>> selectedBand(const QImage& shot, const QRect& area) {
        int top = -1, bottom = -1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            int marked = 0;
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb c = shot.pixel(x, y);
                if (!cream(c) && qBlue(c) > qRed(c) + 40)
                    ++marked;
            }
            if (marked * 2 > area.width()) {
                if (top < 0)
                    top = y;
                bottom = y;
            } else if (top >= 0) {
                break;
            }
        }
        if (top < 0)
            return std::nullopt;
        return std::pair{top, bottom - top + 1};
    }
};

TEST_F(FileManagerPlayer, ShowsPlaysOnDoubleClickAndTakesRowsDraggedOntoACategory) {
    QDir(home.path()).mkpath("music");
    const QString a = MakeToneMp3(home.path() + "/music", "a", 440, 2);
    const QString b = MakeToneMp3(home.path() + "/music", "b", 550, 2);
    const QString c = MakeToneMp3(home.path() + "/music", "c", 660, 2);
    // DEFAULT with three songs and an empty category "Mine".
    QFile list(home.path() + "/default.lst");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(ListBytes().magic().i32(0).i32(2).i32(3).entry(a.toUtf8()).entry(b.toUtf8()).entry(c.toUtf8())
                   .name("Mine").i32(0).i32(0));
    list.close();
    QFile options(home.path() + "/Options.ini");
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write(("[PATH]\r\nSEARCH=" + home.path() + "/music\r\n").toUtf8());
    options.close();

    start({});
    ASSERT_TRUE(WaitFor([&] { return window().isValid(); }, 15000)) << "no main window";
    command("#FileManage");
    QString id;
    ASSERT_TRUE(WaitFor([&] { return !(id = windowId("^File Management$")).isEmpty(); }, 10000))
        << "no file manager";
    RunTool("xdotool", {"windowsize", "--sync", id, "900", "560"});
    RunTool("xdotool", {"windowactivate", "--sync", id});
    QThread::msleep(500);
    const QRect tool = window(0, "^File Management$");
    ASSERT_TRUE(tool.isValid());

    // Click into the right part (the list) and find it by its focus colour.
    clickAt(tool.topLeft() + QPoint(tool.width() * 2 / 3, tool.height() * 2 / 3));
    QImage shot = screenshot("file-manager-list-focused");
    const std::optional<QRect> listArea = creamArea(shot, tool);
    ASSERT_TRUE(listArea) << "the focused list is light cream";
    RunTool("xdotool", {"key", "Home"});
    QThread::msleep(200);
    shot = screenshot("file-manager");
    const auto row = selectedBand(shot, *listArea);
    ASSERT_TRUE(row) << "the first row shows selected";
    auto rowCentre = [&](int n) { return QPoint(listArea->left() + 120, row->first + row->second * n + row->second / 2); };

    // The tree lies left of the list: click its empty lower part.
    clickAt(QPoint(listArea->left() - 60, listArea->bottom() - 20));
    shot = screenshot("file-manager-tree-focused");
    const std::optional<QRect> treeArea = creamArea(shot, QRect(tool.left(), tool.top(), listArea->left() - tool.left(), tool.height()));
    ASSERT_TRUE(treeArea) << "the focused tree is light cream";
    RunTool("xdotool", {"key", "Home"}); // "Playlist": DEFAULT and Mine follow it
    QThread::msleep(200);
    shot = screenshot("file-manager-tree-home");
    const auto node = selectedBand(shot, *treeArea);
    ASSERT_TRUE(node) << "the root shows selected";
    const QPoint mine(treeArea->left() + 60, node->first + node->second * 2 + node->second / 2);

    // Double-click the third song: it plays.
    clickAt(rowCentre(2));
    RunTool("xdotool", {"click", "--repeat", "2", "--delay", "80", "1"});
    EXPECT_TRUE(WaitFor([&] { return counts().contains("c.mp3=1"); }, 20000))
        << counts().toStdString() << traced().join("\n").toStdString();
    command("#Stop");

    // Select the first two rows and drag them onto "Mine".
    clickAt(rowCentre(0));
    clickAt(rowCentre(1), {"shift"});
    mouseTo(rowCentre(1));
    RunTool("xdotool", {"mousedown", "1"});
    const QPoint from = rowCentre(1);
    for (int step = 1; step <= 12; ++step) {
        mouseTo(from + (mine - from) * step / 12);
        QThread::msleep(40);
    }
    QThread::msleep(200);
    RunTool("xdotool", {"mouseup", "1"});
    QThread::msleep(500);

    command("#Search");
    ASSERT_TRUE(WaitFor([&] { return !windowId("^File Search$").isEmpty(); }, 10000)) << "no search page";
    QThread::msleep(300);
    RunTool("xdotool", {"key", "Return"}); // the patterns field has the focus
    QThread::msleep(1500);
    screenshot("file-search");

    command("#Exit");
    ASSERT_TRUE(player.waitForFinished(10000));
    QFile savedList(home.path() + "/default.lst");
    ASSERT_TRUE(savedList.open(QIODevice::ReadOnly));
    const QByteArray saved = savedList.readAll();
    const qsizetype block = saved.indexOf("Mine");
    ASSERT_GE(block, 0);
    const QByteArray mineBlock = saved.mid(block);
    EXPECT_TRUE(mineBlock.contains("a.mp3") && mineBlock.contains("b.mp3")) << "both rows reached Mine";
    EXPECT_FALSE(mineBlock.contains("c.mp3"));
}

} // namespace
