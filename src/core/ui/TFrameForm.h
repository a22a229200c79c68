#pragma once

#include <functional>
#include <QTimer>
#include <QWidget>

class OptionsStore;

// The display window: where plug-ins draw video and visualisations. It has its
// own task-bar entry, keeps its place in "Options.ini" and only hides when
// closed. A skin gives it an auto-hiding control bar.
class TFrameForm : public QWidget {
    Q_OBJECT
public:
    // The skin's control bar: the panel that slides and how.
    struct ControlBar {
        QWidget* panel = nullptr;
        int direction = 0;                   // slide direction code of the skin
        int distance = 0;                    // slide distance in pixels
        std::function<void(int mode)> slide; // 1 open, -1 close, 0 toggle
        std::function<bool()> opened;
    };

    explicit TFrameForm(OptionsStore& store);

    // Native window id of the area plug-ins draw into ("%GetDisplayCtrl").
    quintptr DisplayCtrlId();

    // The host of the skin's control-bar face (the window the skin dresses).
    QWidget* CtrlPanel() const { return ctrlPanel_; }
    // Sets the bar (shows CtrlPanel), or removes it when `bar.panel` is null.
    void SetControlBar(const ControlBar& bar);
    // The pointer entered (true) or left (false) a control of the bar.
    void SetMouseInside(bool inside);
    // Places CtrlPanel by the bar's slide direction.
    void PositionControlBar();
    // "#Display,DblClick" on showing: opens the bar and lets it hide again
    // after the countdown.
    void ShowControlBarBriefly();
    int Countdown() const { return countdown_; }

signals:
    // A double click on the drawing surface: "#Display,DblClick".
    void commandRequested(const QString& command);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hideTick();

    OptionsStore& store_;
    QWidget* client_;
    QWidget* ctrlPanel_;
    ControlBar bar_;
    QTimer timer_;
    bool mouseInside_ = false;
    int countdown_ = 0;
};
