#pragma once

#include <QWidget>

struct OptionFormPorts;
class HotKeyField;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The options window's "Hotkey" page: one row for each built-in command and
// one for each song with a key, the combination bound to it, and the fields to
// bind ("Set") or unbind ("Cancel") the selected command. The list follows
// every change of the hot-key table, wherever it was made; while the hot-key
// field has the focus the global hot keys are suspended, so pressing a bound
// combination there only enters it.
class HotkeyOptionsPage : public QWidget {
    Q_OBJECT
public:
    HotkeyOptionsPage(const OptionFormPorts& ports, QWidget* parent = nullptr);
    ~HotkeyOptionsPage() override;

    // Lists the table again.
    void Fill();
    // Puts a row's command and combination into the fields (a click on it).
    void SelectRow(int row);
    void SetClick();
    void CancelClick();

    QTreeWidget* ListView() const { return list_; }
    QLineEdit* RequireEdit() const { return requireEdit_; }
    HotKeyField* HotKey() const { return hotKey_; }
    QPushButton* SetupHotKeyButton() const { return set_; }
    QPushButton* CancelHotKeyButton() const { return cancel_; }
    // The row of a command (compared ignoring case), or -1.
    int RowOf(const QString& command) const;

private:
    void addRow(const QString& caption, const QString& shortcut, const QString& command);
    void suspend(bool on);

    const OptionFormPorts& ports_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* requireEdit_ = nullptr;
    HotKeyField* hotKey_ = nullptr;
    QPushButton* set_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool suspended_ = false;
};
