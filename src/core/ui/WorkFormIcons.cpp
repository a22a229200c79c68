#include "WorkFormIcons.h"

#include "WorkPage.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

const QColor kDark(0x64, 0x34, 0x14);
const QColor kLight(0xE4, 0xD5, 0xCE);
const QColor kAccent(0xBF, 0xA0, 0x91);

void drawList(QPainter& p) {
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(8, 6, 32, 36), 3, 3);
    p.setPen(QPen(kDark, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        p.drawPoint(QPointF(14, 14 + i * 7));
        p.drawLine(QPointF(19, 14 + i * 7), QPointF(34, 14 + i * 7));
    }
}

void drawMagnifier(QPainter& p) {
    p.setBrush(kLight);
    p.setPen(QPen(kDark, 4));
    p.drawEllipse(QPointF(20, 20), 11, 11);
    p.setPen(QPen(kDark, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 28), QPointF(40, 40));
}

void drawLyrics(QPainter& p) {
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(6, 6, 28, 36), 3, 3);
    p.setPen(QPen(kAccent, 2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(11, 14 + i * 7), QPointF(29, 14 + i * 7));
    p.setPen(QPen(kDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 12), QPointF(38, 34));
    p.setBrush(kDark);
    p.drawEllipse(QPointF(34, 36), 5, 4);
}

void drawPalette(QPainter& p) {
    QPainterPath path;
    path.addEllipse(QRectF(5, 8, 38, 32));
    QPainterPath hole;
    hole.addEllipse(QRectF(27, 26, 8, 7));
    p.setBrush(kLight);
    p.drawPath(path.subtracted(hole));
    const QColor dots[] = {QColor(0xC0, 0x40, 0x30), QColor(0x30, 0x80, 0x50), QColor(0x30, 0x50, 0xB0),
                           QColor(0xE0, 0xA0, 0x20)};
    const QPointF at[] = {{14, 18}, {23, 14}, {33, 17}, {13, 29}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 4, 4);
    }
}

void drawGear(QPainter& p) {
    QPainterPath gear;
    const QPointF c(24, 24);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        QPainterPath tooth;
        tooth.addRect(QRectF(-4, -19, 8, 8));
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotateRadians(a);
        gear.addPath(t.map(tooth));
    }
    QPainterPath ring;
    ring.addEllipse(c, 13, 13);
    gear = gear.united(ring);
    QPainterPath hole;
    hole.addEllipse(c, 5, 5);
    p.setBrush(kLight);
    p.drawPath(gear.subtracted(hole));
}

} // namespace

QIcon WorkFormIcon(int page) {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDark, 2));
    switch (page) {
    case WorkPageNumber::FileManager:
        drawList(p);
        break;
    case WorkPageNumber::FileSearch:
        drawMagnifier(p);
        break;
    case WorkPageNumber::LyricsEditor:
        drawLyrics(p);
        break;
    case WorkPageNumber::SkinManager:
        drawPalette(p);
        break;
    default:
        drawGear(p);
        break;
    }
    return QIcon(pixmap);
}
