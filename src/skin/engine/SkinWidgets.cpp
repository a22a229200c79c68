#include "SkinWidgets.h"

#include "SkinPicture.h"

#include <QPainter>

TKvImage::TKvImage(QWidget* parent) : QWidget(parent) {}

void TKvImage::SetPicture(const QImage& picture) {
    picture_ = transparent_ ? KeyedByBottomLeft(picture) : picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void TKvImage::SetTransparent(bool on) {
    // Never WA_OpaquePaintEvent: Qt repaints an opaque widget on its own,
    // over siblings that cover it, and drawers lie behind the window body.
    transparent_ = on;
    update();
}

void TKvImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_ && fill_.isValid())
        p.fillRect(rect(), fill_);
    if (picture_.isNull())
        return;
    if (centred_)
        p.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    else
        p.drawImage(0, 0, picture_);
}

TKvPanel::TKvPanel(QWidget* parent) : QWidget(parent) {
    // The panel's image covers it; nothing is erased under it.
    setAttribute(Qt::WA_NoSystemBackground);
    resize(256, 128);
}

void TKvPanel::SetColor(const QColor& color) {
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

QRegion TKvPanel::Shape() const {
    return hasShape_ ? QRegion(rect()).intersected(shape_) : QRegion(rect());
}

TKvLabel::TKvLabel(QWidget* parent) : QLabel(parent) {}

void TKvLabel::SetFace(const QImage& face) {
    face_ = face;
    update();
}

void TKvLabel::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void TKvLabel::SetBackColor(const QColor& color) {
    back_ = color;
    update();
}

void TKvLabel::paintEvent(QPaintEvent* event) {
    if (!face_.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, face_);
        return;
    }
    if (!transparent_) {
        QPainter p(this);
        p.fillRect(rect(), back_);
    }
    QLabel::paintEvent(event);
}
