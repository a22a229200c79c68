#pragma once

#include <QTimer>
#include <QWidget>

// The start-up splash: borderless, 299 x 199, centred on the desktop. Finish()
// starts its 1500 ms timer; when it fires the window hides and frees itself.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    TSplashForm();
    void Finish();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QTimer closeTimer_;
};
