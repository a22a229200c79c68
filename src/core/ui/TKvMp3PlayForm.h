#pragma once

#include <QWidget>

class TOption;
class QLabel;
class QPushButton;

// The main window. Until a skin dresses it, it shows a plain face: the title,
// the time and the basic transport buttons, each of which runs its command.
class TKvMp3PlayForm : public QWidget {
    Q_OBJECT
public:
    explicit TKvMp3PlayForm(const TOption& option);

signals:
    void commandRequested(const QString& command);
    void closeRequested();
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showTitle();
    void showTime();
    QPushButton* addButton(const QString& caption, const QString& command, const QString& tip);

    const TOption& option_;
    QLabel* title_;
    QLabel* time_;
    QWidget* buttons_;
};
