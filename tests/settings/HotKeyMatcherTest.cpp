#include "HotKeyMatcher.h"
#include "OptionsStore.h"
#include "TShortKey.h"
#include "TempHome.h"
#include "VirtualKeys.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct MatcherFixture : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TShortKey keys{store}; // the defaults
    QStringList ran;
    bool interactive = true;
    HotKeyMatcher matcher{keys, [this](const QString& c) { ran << c; }, [this] { return interactive; }};

    // "Ctrl+" presses the left Ctrl key, "P-" releases P, ...
    void Press(const QStringList& steps) {
        for (const QString& step : steps) {
            const QString name = step.chopped(1);
            const bool down = step.endsWith('+');
            quint16 vk = 0;
            if (name == "Ctrl")
                vk = VirtualKeys::kLeftControl;
            else if (name == "RCtrl")
                vk = VirtualKeys::kRightControl;
            else if (name == "Shift")
                vk = VirtualKeys::kLeftShift;
            else if (name == "Alt")
                vk = VirtualKeys::kLeftAlt;
            else if (name == "=")
                vk = 187;
            else
                vk = name.at(0).unicode();
            matcher.SetKeyDown(vk, down);
        }
    }
};

} // namespace

TEST_F(MatcherFixture, KeyChangesFireLikeAPollOfTheWholeKeyboard) {
    struct Case {
        const char* what;
        QStringList steps;
        QStringList fired;
    } cases[] = {
        {"held: once", {"Ctrl+", "Shift+", "P+", "X+", "X-"}, {"#playpause"}},
        {"released and pressed again", {"Ctrl+", "Shift+", "P+", "P-", "P+"}, {"#playpause", "#playpause"}},
        {"main key first", {"P+", "Shift+", "Ctrl+"}, {"#playpause"}},
        {"right-hand Ctrl", {"RCtrl+", "Shift+", "P+"}, {"#playpause"}},
        {"Alt too many", {"Ctrl+", "Shift+", "Alt+", "P+"}, {}},
        {"Ctrl missing", {"Shift+", "P+"}, {}},
        {"Alt let go completes", {"Ctrl+", "Shift+", "Alt+", "P+", "Alt-"}, {"#playpause"}},
        // The first match in table order wins; another binding taking over
        // fires, and the first fires again when it takes over back.
        {"first match wins", {"Ctrl+", "Shift+", "P+", "S+", "P-", "P+"}, {"#playpause", "#stop", "#playpause"}},
        {"both modifier sides", {"Ctrl+", "RCtrl+", "Shift+", "P+", "Ctrl-", "P-", "P+"},
         {"#playpause", "#playpause"}},
    };
    for (const Case& c : cases) {
        ran.clear();
        Press(c.steps);
        EXPECT_EQ(ran, c.fired) << c.what;
        for (quint16 vk : {VirtualKeys::kLeftControl, VirtualKeys::kRightControl, VirtualKeys::kLeftShift,
                           VirtualKeys::kLeftAlt, quint16('P'), quint16('S'), quint16('X')})
            matcher.SetKeyDown(vk, false);
        EXPECT_FALSE(matcher.Repeating()) << c.what;
    }
}

TEST_F(MatcherFixture, ASongBindingPlaysItsFile) {
    keys.AddShortCut(QKeySequence("Ctrl+Shift+P"), true, "/music/Bärenlied.mp3");
    Press({"Ctrl+", "Shift+", "P+"});
    EXPECT_EQ(ran, QStringList{"#Play,/music/Bärenlied.mp3"});
}

TEST_F(MatcherFixture, AVolumeBindingRepeatsOnlyWhileHeld) {
    Press({"Ctrl+", "Alt+", "=+"});
    ASSERT_EQ(ran, QStringList{"#soundup"}) << "fires at the press";
    EXPECT_TRUE(matcher.Repeating());
    ASSERT_TRUE(WaitFor([&] { return ran.size() >= 4; }));
    EXPECT_EQ(ran.count("#soundup"), ran.size());
    Press({"=-"});
    EXPECT_FALSE(matcher.Repeating());
    const qsizetype fired = ran.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran.size(), fired);

    // A once binding held runs no timer.
    Press({"Alt-", "Shift+", "P+"});
    EXPECT_EQ(ran.last(), "#playpause");
    EXPECT_FALSE(matcher.Repeating());
}

TEST_F(MatcherFixture, NothingFiresWhileSuspendedOrADialogIsOpen) {
    keys.Suspend();
    Press({"Ctrl+", "Alt+", "=+", "=-", "Alt-", "Shift+", "P+", "P-"});
    matcher.MediaKeyPressed("#next", false);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_FALSE(matcher.Repeating());
    keys.ClearSuspension();
    Press({"P+"});
    EXPECT_EQ(ran, QStringList{"#playpause"});

    ran.clear();
    interactive = false;
    Press({"P-", "P+"});
    matcher.MediaKeyPressed("#next", false);
    EXPECT_TRUE(ran.isEmpty());
    Press({"P-"});
    interactive = true;
    matcher.Reevaluate(); // the player's interactive state changed
    Press({"P+"});
    EXPECT_EQ(ran, QStringList{"#playpause"});
}

TEST_F(MatcherFixture, MediaKeysFireOncePerPressExceptTheVolume) {
    matcher.MediaKeyPressed("#next", false);
    matcher.MediaKeyPressed("#next", true);
    matcher.MediaKeyPressed("#soundup", false);
    matcher.MediaKeyPressed("#soundup", true);
    EXPECT_EQ(ran, (QStringList{"#next", "#soundup", "#soundup"}));
}
