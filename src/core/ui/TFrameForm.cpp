#include "TFrameForm.h"

#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QVBoxLayout>

TFrameForm::TFrameForm(OptionsStore& store) : QWidget(nullptr, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("TFrameForm"));
    setWindowTitle(tr("Video Window"));
    resize(419, 268);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    client_->setPalette(palette);
    layout->addWidget(client_);
    client_->installEventFilter(this);
    // The control bar floats over the drawing surface; hidden until a skin
    // gives it a face.
    ctrlPanel_ = new QWidget(client_);
    ctrlPanel_->setObjectName(QStringLiteral("CtrlPanel"));
    ctrlPanel_->hide();
    timer_.setInterval(10);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TFrameForm::hideTick);
}

quintptr TFrameForm::DisplayCtrlId() {
    return isVisible() ? quintptr(client_->winId()) : 0;
}

void TFrameForm::SetControlBar(const ControlBar& bar) {
    bar_ = bar;
    if (!bar_.panel) {
        timer_.stop();
        return;
    }
    ctrlPanel_->show();
}

void TFrameForm::SetMouseInside(bool inside) {
    mouseInside_ = inside;
    if (inside) {
        timer_.stop();
        if (bar_.panel && bar_.opened && !bar_.opened() && bar_.slide)
            bar_.slide(0);
        countdown_ = 20;
    } else {
        timer_.start();
    }
}

void TFrameForm::hideTick() {
    if (mouseInside_ || QCoreApplication::closingDown())
        return;
    if (countdown_ > 0) {
        --countdown_;
        timer_.start();
        return;
    }
    if (bar_.panel && bar_.opened && bar_.opened() && bar_.slide)
        bar_.slide(0);
}

void TFrameForm::ShowControlBarBriefly() {
    if (bar_.panel && bar_.slide)
        bar_.slide(1);
    countdown_ = 20;
    timer_.start();
}

void TFrameForm::PositionControlBar() {
    if (!bar_.panel)
        return;
    ctrlPanel_->raise();
    const int d = bar_.distance;
    const int w = ctrlPanel_->width();
    const int h = ctrlPanel_->height();
    switch (bar_.direction) {
    case 1:
        ctrlPanel_->move(5 - d, 5);
        break;
    case 2:
        ctrlPanel_->move(width() - w + d - 5, 5);
        break;
    case 3:
        ctrlPanel_->move(5, 5 - d);
        break;
    case 4:
    case 8:
        ctrlPanel_->move(5, height() - h + d);
        break;
    case 6:
    case 9:
        ctrlPanel_->hide();
        break;
    default:
        ctrlPanel_->move(5, 5);
        break;
    }
}

void TFrameForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bar stays anchored to its edge.
    PositionControlBar();
}

bool TFrameForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::MouseButtonDblClick) {
        emit commandRequested(QStringLiteral("#Display,DblClick"));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrameForm::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; its place is remembered and drops stop.
    event->ignore();
    timer_.stop();
    hide();
    SaveWindowPlacement(*this, store_);
    setAcceptDrops(false);
}

