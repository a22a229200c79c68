#include "OptionsStore.h"
#include "TShortKey.h"
#include "TempHome.h"
#include "VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

struct ShortKeyFixture : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
};

// command=shortcut text of every binding, in table order.
QStringList Lines(const TShortKey& keys) {
    QStringList lines;
    for (int i = 0; i < keys.Count(); ++i)
        lines << keys.At(i).command + "=" + keys.ShortCutTextOf(i);
    return lines;
}

const QStringList kDefaults = {
    "#playpause=Ctrl+Shift+P", "#stop=Ctrl+Shift+S",   "#prev=Ctrl+Shift+,",   "#next=Ctrl+Shift+.",
    "#forward=Ctrl+Shift+=",   "#rewind=Ctrl+Shift+-", "#filemanage=Ctrl+Alt+F", "#list=Ctrl+Shift+L",
    "#lyrics=Ctrl+Alt+L",      "#editlrc=Ctrl+Shift+E", "#id3=Ctrl+Alt+I",      "#setup=Ctrl+Alt+S",
    "#url=Ctrl+Alt+U",         "#minimize=Ctrl+Alt+M", "#exit=Ctrl+Alt+X",     "#silent=Ctrl+Shift+M",
    "#soundup=Ctrl+Alt+=",     "#sounddown=Ctrl+Alt+-",
};

} // namespace

TEST_F(ShortKeyFixture, AFreshTableHoldsTheDefaultsInOrderAndResetBringsThemBack) {
    TShortKey keys(store);
    EXPECT_EQ(Lines(keys), kDefaults);
    EXPECT_EQ(keys.At(keys.IndexOfCommand("#playpause")).key, 'P');
    EXPECT_EQ(keys.At(keys.IndexOfCommand("#prev")).key, 188);
    EXPECT_EQ(keys.At(keys.IndexOfCommand("#soundup")).shift, TShortKey::CtrlKey | TShortKey::AltKey);

    keys.Add('Q', TShortKey::CtrlKey, "/music/a.mp3", true);
    keys.AddShortCut(QKeySequence("Ctrl+Shift+P"), true, "#stop");
    keys.ResetDefaults();
    EXPECT_EQ(Lines(keys), kDefaults);
}

// What [HOTKEY] holds, and what the table then binds (checked lines only).
TEST_F(ShortKeyFixture, StoredLinesOverrideTheDefaultsInFileOrder) {
    struct Case {
        const char* stored;
        QStringList expected; // command=text; "command=" for no binding at all
    } cases[] = {
        {"#stop=Ctrl+Alt+Q\n", {"#stop=Ctrl+Alt+Q"}},
        // a later line takes the combination from an earlier one
        {"#stop=Ctrl+Alt+Q\n#next=Ctrl+Alt+Q\n", {"#stop=", "#next=Ctrl+Alt+Q"}},
        // a stored combination takes it from a default
        {"#stop=Ctrl+Shift+P\n", {"#stop=Ctrl+Shift+P", "#playpause="}},
        // an empty value keeps the default
        {"#stop=\n", {"#stop=Ctrl+Shift+S"}},
        // modifiers in another order, as other writers put them
        {"#stop=Shift+Ctrl+Q\n", {"#stop=Ctrl+Shift+Q"}},
        // a song binding replaces "#playpause"
        {"/music/Höhe & Tiefe.mp3=Ctrl+Shift+P\n", {"/music/Höhe & Tiefe.mp3=Ctrl+Shift+P", "#playpause="}},
        // an unreadable value gives a binding that never fires and takes nothing
        {"#stop=Ctrl+Bogus\n#next=???\n", {"#stop=", "#next=", "#playpause=Ctrl+Shift+P"}},
    };
    for (const Case& c : cases) {
        home.write("Options.ini", QByteArray("[OPTION]\nVOLUME=5\n[HOTKEY]\n") + c.stored);
        TShortKey keys(store);
        for (const QString& line : c.expected) {
            const QString command = line.section('=', 0, 0);
            const QString text = line.section('=', 1);
            const int index = keys.IndexOfCommand(command);
            if (text.isEmpty())
                EXPECT_TRUE(index < 0 || keys.At(index).key == 0) << c.stored << " " << line.toStdString();
            else
                EXPECT_EQ(keys.ShortCutTextOf(index), text) << c.stored;
        }
    }
}

TEST_F(ShortKeyFixture, UnreadableLinesNeverFireAndStayInTheTable) {
    home.write("Options.ini", "[HOTKEY]\n/a.mp3=Ctrl+Bogus\n/b.mp3=Alt+Nonsense\n");
    TShortKey keys(store);
    for (const char* song : {"/a.mp3", "/b.mp3"}) {
        const int index = keys.IndexOfCommand(song);
        ASSERT_GE(index, 0) << song;
        EXPECT_EQ(keys.At(index).key, 0);
    }
}

TEST_F(ShortKeyFixture, EveryDefaultAndEveryKeyCodeSurvivesTheStoredText) {
    home.write("Options.ini", "[OPTION]\nVOLUME=5\n[HOTKEY]\n#stop=Shift+Ctrl+S\n[LYRICS]\nAUTOFETCH=1\n");
    {
        TShortKey keys(store);
        keys.Add('K', TShortKey::ShiftKey | TShortKey::AltKey, "/music/song.mp3", true);
        keys.Add(0x65, TShortKey::CtrlKey, "#rewind", true); // keypad 5
    }
    TShortKey again(store);
    QStringList expected = kDefaults;
    expected.removeAll("#rewind=Ctrl+Shift+-");
    expected.removeAll("#stop=Ctrl+Shift+S");
    // A stored line is added again after the defaults: it moves to the end.
    expected << "#stop=Ctrl+Shift+S" << "/music/song.mp3=Alt+Shift+K" << "#rewind=Ctrl+Num+5";
    EXPECT_EQ(Lines(again), expected);
    EXPECT_EQ(again.At(again.Count() - 1).key, 0x65);
    EXPECT_EQ(store.ReadInteger("OPTION", "VOLUME", 0), 5) << "the other sections stay";
    EXPECT_TRUE(store.ReadBool("LYRICS", "AUTOFETCH", false));

    // Every code that has a name reads back as itself, with every shift set.
    int named = 0;
    for (int vk = 1; vk < 256; ++vk) {
        if (VirtualKeys::QtKeyOf(quint16(vk)) == Qt::Key_unknown || VirtualKeys::IsModifier(quint16(vk)))
            continue;
        ++named;
        for (quint8 shift = 0; shift < 8; ++shift) {
            const QString text = TShortKey::Pack(quint16(vk), shift).toString(QKeySequence::PortableText);
            quint16 key = 0;
            quint8 readShift = 0;
            ASSERT_TRUE(TShortKey::Unpack(QKeySequence::fromString(text, QKeySequence::PortableText), key,
                                          readShift))
                << vk << " " << text.toStdString();
            EXPECT_EQ(key, vk) << text.toStdString();
            EXPECT_EQ(readShift, shift) << text.toStdString();
            EXPECT_NE(VirtualKeys::KeysymOf(key), 0u) << text.toStdString();
        }
    }
    EXPECT_GT(named, 90);
}

TEST(ShortKeyRules, OnceCaptionAndBuiltIn) {
    struct Case {
        const char* command;
        bool once;
        const char* caption;
        bool builtIn;
    } cases[] = {
        {"#playpause", true, "Play&Pause", true},
        {"#PlayPause", true, "Play&Pause", false},
        {"#soundup", false, "Increase Volume", true},
        {"#SoundDown", false, "Decrease Volume", false},
        {"#shuffle", true, "Shuffle Mode", true},
        {"#display", true, "Video Window", true},
        {"#soundupper", true, "#soundupper", false},
        {"/music/a.mp3", true, "/music/a.mp3", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TShortKey::OnceFor(c.command), c.once) << c.command;
        EXPECT_EQ(TShortKey::CaptionOf(c.command), c.caption) << c.command;
        EXPECT_EQ(TShortKey::IsBuiltIn(c.command), c.builtIn) << c.command;
    }
    EXPECT_EQ(TShortKey::BuiltIns().size(), 24);
}

TEST(ShortKeyRules, ShiftedSymbolsAndTheKeypadNameTheirKeys) {
    // A key field reports Ctrl+Shift+comma as Ctrl+Shift+'<'.
    struct Case {
        const char* text;
        quint16 vk;
    } cases[] = {{"Ctrl+Shift+<", 188}, {"Ctrl+Alt++", 187}, {"Ctrl+*", '8'},
                 {"Num+*", 0x6A},       {"Num++", 0x6B},      {"Shift+F12", 0x7B}};
    for (const Case& c : cases) {
        quint16 key = 0;
        quint8 shift = 0;
        ASSERT_TRUE(TShortKey::Unpack(QKeySequence::fromString(c.text, QKeySequence::PortableText), key, shift))
            << c.text;
        EXPECT_EQ(key, c.vk) << c.text;
    }
    quint16 key = 0;
    quint8 shift = 0;
    EXPECT_FALSE(TShortKey::Unpack(QKeySequence("Meta+P"), key, shift)) << "a binding knows no Meta key";
    EXPECT_FALSE(TShortKey::Unpack(QKeySequence(), key, shift));
}

TEST_F(ShortKeyFixture, ShortCutOfLowerCasesTheCommand) {
    TShortKey keys(store);
    EXPECT_EQ(keys.ShortCutOf("#PlayPause"), QKeySequence("Ctrl+Shift+P"));
    EXPECT_TRUE(keys.ShortCutOf("#Shuffle").isEmpty());
    keys.Add('B', TShortKey::CtrlKey, "/Music/B.mp3", true);
    EXPECT_EQ(keys.CommandToRun(keys.IndexOfCommand("/Music/B.mp3")), "#Play,/Music/B.mp3");
    EXPECT_EQ(keys.CommandToRun(0), "#playpause");
}

// A list that follows the table through its signals (as the options window's
// and file manager's do) ends equal to it after every kind of change.
TEST_F(ShortKeyFixture, AListFollowingTheSignalsStaysEqualToTheTable) {
    TShortKey keys(store);
    QStringList mirror = Lines(keys);
    QObject::connect(&keys, &TShortKey::bindingAdded, [&](int index) {
        ASSERT_EQ(index, mirror.size());
        mirror << keys.At(index).command + "=" + keys.ShortCutTextOf(index);
    });
    QObject::connect(&keys, &TShortKey::bindingRemoving, [&](int index) {
        ASSERT_EQ(mirror.at(index).section('=', 0, 0), keys.At(index).command);
        mirror.removeAt(index);
    });
    keys.AddShortCut(QKeySequence("Ctrl+Shift+P"), true, "/music/a.mp3"); // takes "#playpause"'s
    keys.AddShortCut(QKeySequence("Ctrl+Alt+L"), true, "#stop");          // takes two bindings
    keys.DeleteCommand("#exit");
    keys.DeleteCommand("#notbound");
    keys.Delete(99);
    EXPECT_EQ(mirror, Lines(keys));
    keys.ResetDefaults();
    EXPECT_EQ(mirror, kDefaults);
}

TEST_F(ShortKeyFixture, SuspensionsNestAndClearingEndsThemAll) {
    TShortKey keys(store);
    QList<bool> changes;
    QObject::connect(&keys, &TShortKey::suspendedChanged, [&](bool s) { changes << s; });
    {
        TShortKey::Suspension dialog(keys);
        keys.Suspend(); // the hot-key field gets the focus
        keys.Resume();
        EXPECT_TRUE(keys.Suspended());
    }
    EXPECT_FALSE(keys.Suspended());
    keys.Suspend();
    keys.Suspend();
    keys.ClearSuspension(); // the application lost the focus
    EXPECT_FALSE(keys.Suspended());
    keys.Resume(); // a late focus-out does not go below zero
    keys.Suspend();
    EXPECT_TRUE(keys.Suspended());
    EXPECT_EQ(changes, (QList<bool>{true, false, true, false, true}));
}
