#pragma once

#include <QWidget>

class OptionsStore;

// The display window: where plug-ins draw video and visualisations. It has its
// own task-bar entry, keeps its place in "Options.ini" and only hides when
// closed.
class TFrameForm : public QWidget {
    Q_OBJECT
public:
    explicit TFrameForm(OptionsStore& store);

    // Native window id of the area plug-ins draw into ("%GetDisplayCtrl").
    quintptr DisplayCtrlId();

signals:
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    OptionsStore& store_;
    QWidget* client_;
};
