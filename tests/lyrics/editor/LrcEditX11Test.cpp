// The real program under Xvfb, given a lyrics file on its command line: the
// editor opens on it, F5 stamps the (stopped) play time into the caret's line
// and Ctrl+S saves in the merged layout; a screenshot of the editor with its
// coloured text is left in the test output folder.
#include "SkinnedPlayer.h"

#include <QTest>
#include <cstdlib>

namespace {

struct LrcEditX11 : SkinnedPlayer {
    QString editorId() const {
        return RunTool("xdotool", {"search", "--onlyvisible", "--name", "Lyrics Editor"}).section('\n', 0, 0).trimmed();
    }
    // Pixels near the colour (the strokes of smoothed text) inside the
    // rectangle of the shot.
    static int count(const QImage& shot, const QRect& area, QRgb colour) {
        int n = 0;
        const QRect inside = area.intersected(shot.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb p = shot.pixel(x, y);
                n += std::abs(qRed(p) - qRed(colour)) < 24 && std::abs(qGreen(p) - qGreen(colour)) < 24 &&
                     std::abs(qBlue(p) - qBlue(colour)) < 24;
            }
        return n;
    }
};

TEST_F(LrcEditX11, CommandLineLyricsOpenStampAndSaveWithColouredText) {
    const QString lrc = home.path() + "/song.lrc";
    {
        QFile f(lrc);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Hello sun\n[by:tester]\n[00:05.0][00:09.5]Second line\n[ti:Colours]\n");
    }
    start({lrc});
    ASSERT_TRUE(WaitFor([this] { return !editorId().isEmpty(); }, 20000)) << "the editor opens on the file";
    // The start-up commands end with the skin, which shows the main window:
    // wait for it before giving the editor the keyboard.
    ASSERT_TRUE(WaitFor([this] { return traced().join('\n').contains("#Skin", Qt::CaseInsensitive); }, 15000));
    QTest::qWait(1500);
    const QString id = editorId();
    RunTool("xdotool", {"windowraise", id});
    RunTool("xdotool", {"windowfocus", "--sync", id});
    QTest::qWait(500);
    RunTool("xdotool", {"key", "--clearmodifiers", "F5"});
    QTest::qWait(300);
    RunTool("xdotool", {"key", "--clearmodifiers", "ctrl+s"});
    QFile saved(lrc);
    ASSERT_TRUE(WaitFor([&saved] {
        saved.close();
        return saved.open(QIODevice::ReadOnly) && saved.peek(64).startsWith("[by:tester]\r\n");
    }, 10000)) << "Ctrl+S saves";
    EXPECT_EQ(saved.readAll(), "[by:tester]\r\n[00:00.0]Hello sun\r\n[00:05.0][00:09.5]Second line\r\n[ti:Colours]\r\n");

    QTest::qWait(500); // let the window paint
    const QImage shot = screenshot("lyrics-editor");
    ASSERT_FALSE(shot.isNull());
    const QRect editor = window(0, "Lyrics Editor");
    EXPECT_GT(count(shot, editor, 0x0000FF), 20) << "time tags in blue";
    EXPECT_GT(count(shot, editor, 0x000080), 20) << "the [by:] line in navy";
    EXPECT_GT(count(shot, editor, 0x808080), 20) << "the [ti:] line in grey";
}

} // namespace
