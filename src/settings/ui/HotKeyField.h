#pragma once

#include <QKeySequence>
#include <QLineEdit>

// A field that takes one key combination as it is pressed (Ctrl+Shift+P)
// instead of text. Modifiers alone show as "Ctrl+Shift+" but hold no
// combination. Return and Escape pressed alone ask for the page's default and
// cancel buttons; Backspace and Delete alone clear the field; Tab moves on.
// A shifted symbol is taken as its unshifted key (Ctrl+Shift+period rather
// than Ctrl+>), as the stored combinations name keys, not characters.
class HotKeyField : public QLineEdit {
    Q_OBJECT
public:
    explicit HotKeyField(QWidget* parent = nullptr);

    // The combination held, empty when none.
    QKeySequence Combination() const { return combination_; }
    void SetCombination(const QKeySequence& combination);

    // The key a shifted character comes from on a standard keyboard
    // (Key_Greater gives Key_Period), else the key itself.
    static int UnshiftedKey(int key);

signals:
    // The user pressed a combination or cleared the field.
    void combinationChanged();
    void focusChanged(bool focused);
    void defaultRequested(); // Return
    void cancelRequested();  // Escape

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showCombination();

    QKeySequence combination_;
};
