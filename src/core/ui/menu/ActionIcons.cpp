#include "ActionIcons.h"

#include <functional>
#include <map>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;
const QColor kInk(0x2a, 0x36, 0x3b);
const QColor kAccent(0x1f, 0x9e, 0x8e);

QPixmap draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    paint(p);
    return pixmap;
}

void triangle(QPainter& p, qreal left, qreal right, bool pointsRight) {
    QPainterPath path;
    if (pointsRight) {
        path.moveTo(left, 3);
        path.lineTo(right, 8);
        path.lineTo(left, 13);
    } else {
        path.moveTo(right, 3);
        path.lineTo(left, 8);
        path.lineTo(right, 13);
    }
    path.closeSubpath();
    p.drawPath(path);
}

const std::map<QString, std::function<void(QPainter&)>>& painters() {
    static const std::map<QString, std::function<void(QPainter&)>> table = {
        {QStringLiteral("PlayPauseAction"),
         [](QPainter& p) {
             triangle(p, 2, 9, true);
             p.setBrush(kAccent);
             p.drawRect(QRectF(10.5, 4, 2, 8));
             p.drawRect(QRectF(13.5, 4, 2, 8));
         }},
        {QStringLiteral("StopAction"), [](QPainter& p) { p.drawRoundedRect(QRectF(3.5, 3.5, 9, 9), 1, 1); }},
        {QStringLiteral("PrevAction"),
         [](QPainter& p) {
             p.drawRect(QRectF(3, 3, 2, 10));
             triangle(p, 5, 13, false);
         }},
        {QStringLiteral("NextAction"),
         [](QPainter& p) {
             triangle(p, 3, 11, true);
             p.drawRect(QRectF(11, 3, 2, 10));
         }},
        {QStringLiteral("ForwardAction"),
         [](QPainter& p) {
             triangle(p, 1.5, 8.5, true);
             triangle(p, 7.5, 14.5, true);
         }},
        {QStringLiteral("RewindAction"),
         [](QPainter& p) {
             triangle(p, 1.5, 8.5, false);
             triangle(p, 7.5, 14.5, false);
         }},
        {QStringLiteral("AddSongAction"),
         [](QPainter& p) {
             p.setBrush(kAccent);
             p.drawRect(QRectF(7, 2.5, 2, 11));
             p.drawRect(QRectF(2.5, 7, 11, 2));
         }},
        {QStringLiteral("SearchAction"),
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kInk, 1.8));
             p.drawEllipse(QRectF(2.5, 2.5, 8, 8));
             p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(10, 10), QPointF(13.5, 13.5));
         }},
        {QStringLiteral("ExitAction"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(4, 4), QPointF(12, 12));
             p.drawLine(QPointF(12, 4), QPointF(4, 12));
         }},
    };
    return table;
}

} // namespace

QIcon ActionIcon(const QString& actionName) {
    const auto& table = painters();
    const auto it = table.find(actionName);
    return it == table.end() ? QIcon() : QIcon(draw(it->second));
}
