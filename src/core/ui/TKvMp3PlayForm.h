#pragma once

#include <QWidget>

class TOption;
class QLabel;
class QPushButton;

// The main window: borderless, dressed by the skin engine. Only when no skin
// at all could be loaded does it show its plain face: the title, the time and
// the basic transport buttons, each of which runs its command.
class TKvMp3PlayForm : public QWidget {
    Q_OBJECT
public:
    explicit TKvMp3PlayForm(const TOption& option);

    // Shows the plain face (no skin dresses the window) or hides it.
    void ShowPlainFace(bool on);
    bool PlainFaceShown() const;

signals:
    void commandRequested(const QString& command);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showTitle();
    void showTime();
    QPushButton* addButton(const QString& caption, const QString& command, const QString& tip);

    const TOption& option_;
    QWidget* plain_;
    QLabel* title_;
    QLabel* time_;
    QWidget* buttons_;
};
