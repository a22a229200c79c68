#include "SkinLinkLabel.h"

#include <QMouseEvent>

SkinLinkLabel::SkinLinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void SkinLinkLabel::setUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void SkinLinkLabel::enterEvent(QEnterEvent* event) {
    setUnderline(true);
    QLabel::enterEvent(event);
}

void SkinLinkLabel::leaveEvent(QEvent* event) {
    setUnderline(false);
    QLabel::leaveEvent(event);
}

void SkinLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
    QLabel::mouseReleaseEvent(event);
}
