// The options window's Hotkey page over the player's hot-key table: binding,
// unbinding, the list following every change of the table wherever it was
// made, and the hot keys suspended while the hot-key field has the focus.
#include "HotKeyField.h"
#include "HotkeyOptionsPage.h"
#include "OptionFormPorts.h"
#include "OptionsStore.h"
#include "TempHome.h"
#include "TOption.h"
#include "TOptionForm.h"
#include "TShortKey.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

struct HotkeyPage : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TShortKey keys{store};
    QStringList messages;
    OptionFormPorts ports = [this] {
        OptionFormPorts p;
        p.store = &store;
        p.option = &option;
        p.shortKey = &keys;
        p.showMessage = [this](const QString& text, int) { messages << text; };
        return p;
    }();
    TOptionForm form{ports};
    HotkeyOptionsPage* page = form.HotkeyPage();

    QString shortcutOf(const QString& command) const {
        const int row = page->RowOf(command);
        return row < 0 ? "(no row)" : page->ListView()->topLevelItem(row)->text(1);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(page->HotKey(), key, modifiers);
    }
};

TEST_F(HotkeyPage, ListsTheBuiltInCommandsInOrderWithTheirCombinations) {
    QTreeWidget* list = page->ListView();
    ASSERT_EQ(list->topLevelItemCount(), 24);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Play&Pause");
    EXPECT_EQ(shortcutOf("#playpause"), "Ctrl+Shift+P");
    EXPECT_EQ(shortcutOf("#shuffle"), "") << "a command without a combination has its row";
    page->SelectRow(page->RowOf("#next"));
    EXPECT_EQ(page->RequireEdit()->text(), "#next");
    EXPECT_EQ(page->HotKey()->Combination(), keys.ShortCutOf("#next"));
}

TEST_F(HotkeyPage, SettingTheCombinationOfAnotherCommandTakesItFromThere) {
    page->SelectRow(page->RowOf("#stop"));
    press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    page->SetupHotKeyButton()->click();
    EXPECT_EQ(shortcutOf("#stop"), "Ctrl+Shift+P");
    EXPECT_EQ(shortcutOf("#playpause"), "") << "the row of its former command loses it";
    EXPECT_EQ(keys.IndexOfCommand("#playpause"), -1);
    EXPECT_EQ(page->RequireEdit()->text(), "#stop") << "the edited row stays selected";

    // Return in the field sets, Escape unbinds.
    press(Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(shortcutOf("#stop"), "Ctrl+Shift+.");
    EXPECT_EQ(shortcutOf("#next"), "");
    press(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(shortcutOf("#stop"), "");
    EXPECT_EQ(keys.IndexOfCommand("#stop"), -1);
}

TEST_F(HotkeyPage, SetWithAnEmptyFieldUnbindsAndTypedCommandsKeepTheirPath) {
    page->SelectRow(page->RowOf("#silent"));
    press(Qt::Key_Backspace, Qt::NoModifier);
    page->SetupHotKeyButton()->click();
    EXPECT_EQ(keys.IndexOfCommand("#silent"), -1);

    page->RequireEdit()->setText("#SoundUp");
    press(Qt::Key_U, Qt::ControlModifier | Qt::AltModifier);
    page->SetupHotKeyButton()->click();
    const int index = keys.IndexOfCommand("#soundup");
    ASSERT_GE(index, 0) << "the built-in command, in its stored case";
    EXPECT_FALSE(keys.At(index).once) << "volume keys repeat while held";
    EXPECT_EQ(page->ListView()->topLevelItemCount(), 24);

    page->RequireEdit()->setText("#Skin,/Music/Skins/Blue.eks");
    press(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    page->SetupHotKeyButton()->click();
    EXPECT_GE(keys.IndexOfCommand("#skin,/Music/Skins/Blue.eks"), 0) << "the argument keeps its letters";
}

TEST_F(HotkeyPage, KeypadKeysKeepTheirOwnCodeAndKeysWithoutOneAreRefused) {
    page->SelectRow(page->RowOf("#soundup"));
    press(Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
    page->SetupHotKeyButton()->click();
    const int index = keys.IndexOfCommand("#soundup");
    ASSERT_GE(index, 0);
    EXPECT_EQ(keys.At(index).key, 0x6B) << "the keypad's plus, not the \"=+\" key";

    // A key the table has no code for would make a binding that never fires.
    page->SelectRow(page->RowOf("#stop"));
    const QString before = shortcutOf("#stop");
    press(Qt::Key_Launch0, Qt::ControlModifier);
    page->SetupHotKeyButton()->click();
    EXPECT_EQ(shortcutOf("#stop"), before);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Ctrl+Launch (0)")) << messages[0].toStdString();
}

TEST_F(HotkeyPage, SongBindingsMadeElsewhereComeAndGoInTheList) {
    const QString song = "/Music/Some Song.mp3";
    keys.AddShortCut(QKeySequence("Ctrl+Shift+P"), true, song); // as the file manager binds a song
    ASSERT_EQ(page->ListView()->topLevelItemCount(), 25);
    EXPECT_EQ(page->ListView()->topLevelItem(24)->text(0), song);
    EXPECT_EQ(shortcutOf(song), "Ctrl+Shift+P");
    EXPECT_EQ(shortcutOf("#playpause"), "");
    keys.DeleteCommand(song);
    EXPECT_EQ(page->ListView()->topLevelItemCount(), 24);

    form.ResetHotkeyAction()->trigger();
    EXPECT_EQ(shortcutOf("#playpause"), "Ctrl+Shift+P") << "Reset Hotkey brings the defaults back";
}

TEST_F(HotkeyPage, HotKeyFieldSuspendsTheHotKeysWhileFocused) {
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(page->HotKey(), &in);
    EXPECT_TRUE(keys.Suspended());
    keys.ClearSuspension(); // the application lost the focus meanwhile
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(keys.Suspended()) << "a change in the field suspends again";
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(page->HotKey(), &out);
    EXPECT_FALSE(keys.Suspended());
    {
        TShortKey::Suspension dialog(keys);
        QCoreApplication::sendEvent(page->HotKey(), &in);
        QCoreApplication::sendEvent(page->HotKey(), &out);
        EXPECT_TRUE(keys.Suspended()) << "the field's resume leaves a dialog's suspension alone";
    }
    EXPECT_FALSE(keys.Suspended());
}

} // namespace
