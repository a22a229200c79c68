#include "LyricsPanel.h"

#include "TLrcView.h"

#include <QMouseEvent>
#include <QPainter>

LyricsPanel::LyricsPanel(TLrcView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("FullPanel"));
    // The view's picture covers the whole panel: nothing is painted beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void LyricsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (view_.BackSurface.isNull() || view_.Busy)
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(QPoint(0, 0), view_.BackSurface, QRect(QPoint(0, 0), size()));
}

void LyricsPanel::mousePressEvent(QMouseEvent* event) {
    view_.MousePress(event->button(), int(event->position().y()));
}

void LyricsPanel::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        view_.MouseDrag(int(event->position().y()));
}

void LyricsPanel::mouseReleaseEvent(QMouseEvent* event) {
    view_.MouseRelease(event->button());
}

AnimationBox::AnimationBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox"));
    setFixedSize(45, 23);
    // It fills itself: the tool bar beneath is not painted on every frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AnimationBox::SetFrame(int frame) {
    frame_ = frame;
    update();
}

void AnimationBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // A light that runs across the box and back, one step per frame.
    const int span = width() - 6;
    const int phase = frame_ % 70;
    const int x = phase < 35 ? phase * span / 34 : (69 - phase) * span / 34;
    painter.fillRect(QRect(x, height() / 2 - 3, 6, 6), QColor(0, 200, 0));
}
