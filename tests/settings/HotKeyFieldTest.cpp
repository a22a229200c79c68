// The hot-key field takes combinations as they are pressed, names keys rather
// than shifted characters, and leaves Return, Escape, Backspace and Tab to
// their jobs.
#include "HotKeyField.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

TEST(HotKeyField, PressedCombinationsAreTakenAsKeys) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
    } cases[] = {
        {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+P"},
        {Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+."},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+="},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier, "Ctrl+Alt++"}, // a layout's own plus key
        {Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier, "Ctrl+Alt+Num++"},
        {Qt::Key_F5, Qt::NoModifier, "F5"},
        {Qt::Key_S, Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier, "Ctrl+Alt+S"},
    };
    for (const auto& c : cases) {
        HotKeyField field;
        QSignalSpy changed(&field, &HotKeyField::combinationChanged);
        QTest::keyClick(&field, c.key, c.modifiers);
        EXPECT_EQ(field.Combination().toString(), c.expected) << c.expected;
        EXPECT_EQ(field.text(), c.expected);
        EXPECT_EQ(changed.count(), 1) << c.expected;
    }
}

TEST(HotKeyField, ReturnEscapeAndBackspaceDoTheirJobs) {
    HotKeyField field;
    field.SetCombination(QKeySequence("Ctrl+Shift+P"));
    QSignalSpy defaults(&field, &HotKeyField::defaultRequested);
    QSignalSpy cancels(&field, &HotKeyField::cancelRequested);
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Escape);
    EXPECT_EQ(defaults.count(), 1);
    EXPECT_EQ(cancels.count(), 1);
    EXPECT_EQ(field.Combination(), QKeySequence("Ctrl+Shift+P")) << "neither becomes the combination";
    QTest::keyClick(&field, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(field.Combination(), QKeySequence("Ctrl+Return")) << "with a modifier it is a combination";
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_TRUE(field.Combination().isEmpty());
    // Modifiers alone show what is held and make no combination.
    QTest::keyPress(&field, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "Ctrl+");
    EXPECT_TRUE(field.Combination().isEmpty());
    QTest::keyRelease(&field, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "");
}
