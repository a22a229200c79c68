#include "TKvControls.h"

#include <QMouseEvent>
#include <QPainter>

namespace KvListView {

TKvImage::TKvImage(QWidget* parent) : QWidget(parent) {
    ApplyAttributes();
}

void TKvImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void TKvImage::SetAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

void TKvImage::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void TKvImage::SetCenter(bool on) {
    center_ = on;
    update();
}

void TKvImage::SetTransparent(bool on) {
    transparent_ = on;
    ApplyAttributes();
    update();
}

void TKvImage::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TKvImage::ApplyAttributes() {
    // An opaque image paints every pixel itself; a transparent one lets the
    // parent's pixels stay where the picture has none.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
}

void TKvImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), color_);
    if (picture_.isNull())
        return;
    if (stretch_) {
        painter.drawImage(rect(), picture_);
    } else if (center_) {
        painter.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    } else {
        painter.drawImage(0, 0, picture_);
    }
}

void TKvImage::enterEvent(QEnterEvent*) {
    emit OnEnter(this);
}

void TKvImage::leaveEvent(QEvent*) {
    emit OnExit(this);
}

void TKvImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    emit OnMouseDown(this, event);
}

void TKvImage::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(this, event);
}

void TKvImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    emit OnMouseUp(this, event);
    if (click)
        emit OnClick(this);
}

void TKvImage::mouseDoubleClickEvent(QMouseEvent*) {
    emit OnDblClick(this);
}

TKvPanel::TKvPanel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKvPanel::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TKvPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), color_);
}

} // namespace KvListView
