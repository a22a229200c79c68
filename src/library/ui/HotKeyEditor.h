#pragma once

#include <QWidget>

class QKeySequenceEdit;
class QPushButton;
class SongHotKeys;

// "Hotkey:" under the song list: the key combination that plays the one
// selected song from anywhere, with "Set" and "Cancel". While the field is
// being typed into the global keys are suspended, so the combination typed
// does not act; Enter in the field sets, Escape cancels.
class HotKeyEditor : public QWidget {
    Q_OBJECT
public:
    HotKeyEditor(SongHotKeys& keys, QWidget* parent = nullptr);

    // The song the editor binds (empty: not exactly one row selected, all disabled).
    void SetFile(const QString& file);
    const QString& File() const { return file_; }

    void Set();
    void Cancel();

    QKeySequenceEdit* KeyEdit = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CancelButton = nullptr;

signals:
    // The file's binding was made or removed.
    void bindingChanged(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SongHotKeys& keys_;
    QString file_;
};
