#pragma once

#include <QWidget>
#include <functional>

class Messenger;
class OptionsStore;
class QLineEdit;
class QPushButton;
class TPlay;

// What the add-URL window works with.
struct TUrlFormContext {
    TPlay& play;
    Messenger& messenger;
    OptionsStore& store; // the window's placement, section [TUrlForm]
    // The step after an add: plays the added entry when the play-on-add rules say so.
    std::function<void()> afterAdd;
};

// The small window in which the user types the address of a stream (or a file
// name) and adds it to a category of the library: DEFAULT unless the file
// manager set the category it shows. Not modal; restores its place when made
// and keeps it when closed.
class TUrlForm : public QWidget {
    Q_OBJECT
public:
    explicit TUrlForm(TUrlFormContext context, QWidget* parent = nullptr);

    void SetTargetCategory(int id) { target_ = id; }
    int TargetCategory() const { return target_; }

    // Button1: adds the typed text, or says why not.
    void Ok();

    QLineEdit* AddEdit = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TUrlFormContext context_;
    int target_ = 0;
};
