#include "SkinArt.h"

#include <map>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace art {
namespace {

QPen inkPen(const QColor& ink, qreal width = 2.0) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
}

// The body of the loudspeaker icons (plain and muted).
QPainterPath speakerBody() {
    QPainterPath body(QPointF(4, 10));
    body.lineTo(7.5, 10);
    body.lineTo(12, 6);
    body.lineTo(12, 18);
    body.lineTo(7.5, 14);
    body.lineTo(4, 14);
    body.closeSubpath();
    return body;
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

const std::map<QString, Icon>& icons() {
    static const std::map<QString, Icon> table = {
        {"play",
         [](QPainter& p, const QColor& c) {
             fillPath(p, triangle({8, 5}, {19, 12}, {8, 19}), c);
         }},
        {"stop",
         [](QPainter& p, const QColor& c) {
             QPainterPath path;
             path.addRoundedRect(QRectF(7, 7, 10, 10), 1.5, 1.5);
             fillPath(p, path, c);
         }},
        {"pause",
         [](QPainter& p, const QColor& c) {
             QPainterPath path;
             path.addRoundedRect(QRectF(7, 6, 3.5, 12), 1, 1);
             path.addRoundedRect(QRectF(13.5, 6, 3.5, 12), 1, 1);
             fillPath(p, path, c);
         }},
        {"prev",
         [](QPainter& p, const QColor& c) {
             QPainterPath path = triangle({18, 6}, {8, 12}, {18, 18});
             path.addRoundedRect(QRectF(5.5, 6, 2.5, 12), 1, 1);
             fillPath(p, path, c);
         }},
        {"next",
         [](QPainter& p, const QColor& c) {
             QPainterPath path = triangle({6, 6}, {16, 12}, {6, 18});
             path.addRoundedRect(QRectF(16, 6, 2.5, 12), 1, 1);
             fillPath(p, path, c);
         }},
        {"rewind",
         [](QPainter& p, const QColor& c) {
             QPainterPath path = triangle({12, 7}, {4, 12}, {12, 17});
             path.addPath(triangle({20, 7}, {12, 12}, {20, 17}));
             fillPath(p, path, c);
         }},
        {"forward",
         [](QPainter& p, const QColor& c) {
             QPainterPath path = triangle({4, 7}, {12, 12}, {4, 17});
             path.addPath(triangle({12, 7}, {20, 12}, {12, 17}));
             fillPath(p, path, c);
         }},
        {"minimize",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c));
             p.drawLine(QPointF(7, 15), QPointF(17, 15));
         }},
        {"exit",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c));
             p.drawLine(QPointF(7.5, 7.5), QPointF(16.5, 16.5));
             p.drawLine(QPointF(16.5, 7.5), QPointF(7.5, 16.5));
         }},
        {"compact",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(5, 8, 14, 8), 2, 2);
             p.drawLine(QPointF(8, 12), QPointF(16, 12));
         }},
        {"open",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             QPainterPath folder(QPointF(4.5, 8));
             folder.lineTo(9.5, 8);
             folder.lineTo(11, 9.5);
             folder.lineTo(19.5, 9.5);
             folder.lineTo(19.5, 18);
             folder.lineTo(4.5, 18);
             folder.closeSubpath();
             p.drawPath(folder);
             p.drawLine(QPointF(12, 11.5), QPointF(12, 16));
             p.drawLine(QPointF(9.8, 13.8), QPointF(14.2, 13.8));
         }},
        {"url",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(12, 12), 7, 7);
             p.drawEllipse(QPointF(12, 12), 3, 7);
             p.drawLine(QPointF(5, 12), QPointF(19, 12));
         }},
        {"lyrics",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.drawLine(QPointF(5, 8), QPointF(19, 8));
             p.drawLine(QPointF(5, 12), QPointF(15, 12));
             p.drawLine(QPointF(5, 16), QPointF(11, 16));
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(16, 17), 2.2, 2);
             p.setPen(inkPen(c, 1.5));
             p.drawLine(QPointF(18, 17), QPointF(18, 11));
         }},
        {"setup",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             for (int i = 0; i < 8; ++i) {
                 const qreal a = i * M_PI / 4;
                 p.drawLine(QPointF(12 + 5.5 * qCos(a), 12 + 5.5 * qSin(a)),
                            QPointF(12 + 7.5 * qCos(a), 12 + 7.5 * qSin(a)));
             }
             p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
             p.drawEllipse(QPointF(12, 12), 1.5, 1.5);
         }},
        {"list",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             for (int y : {7, 12, 17}) {
                 p.drawPoint(QPointF(5.5, y));
                 p.drawLine(QPointF(9, y), QPointF(19, y));
             }
         }},
        {"video",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(4, 6, 16, 11), 2, 2);
             p.drawLine(QPointF(9, 20), QPointF(15, 20));
             fillPath(p, triangle({10.5, 9}, {14.5, 11.5}, {10.5, 14}), c);
         }},
        {"chevron",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 2.2));
             p.drawLine(QPointF(9.5, 6), QPointF(14.5, 12));
             p.drawLine(QPointF(14.5, 12), QPointF(9.5, 18));
         }},
        {"shuffle",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             QPainterPath a(QPointF(4, 8));
             a.cubicTo(10, 8, 12, 16, 19, 16);
             QPainterPath b(QPointF(4, 16));
             b.cubicTo(10, 16, 12, 8, 19, 8);
             p.drawPath(a);
             p.drawPath(b);
             p.drawLine(QPointF(17, 6), QPointF(19.5, 8));
             p.drawLine(QPointF(17, 10), QPointF(19.5, 8));
             p.drawLine(QPointF(17, 14), QPointF(19.5, 16));
             p.drawLine(QPointF(17, 18), QPointF(19.5, 16));
         }},
        {"repeat",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(5, 7.5, 14, 9), 4, 4);
             fillPath(p, triangle({13, 5}, {16.5, 7.5}, {13, 10}), c);
         }},
        {"speaker",
         [](QPainter& p, const QColor& c) {
             fillPath(p, speakerBody(), c);
             p.setPen(inkPen(c, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(9, 8, 7, 8), -50 * 16, 100 * 16);
             p.drawArc(QRectF(8, 5, 11, 14), -50 * 16, 100 * 16);
         }},
        {"muted",
         [](QPainter& p, const QColor& c) {
             fillPath(p, speakerBody(), c);
             p.setPen(inkPen(c, 1.8));
             p.drawLine(QPointF(15, 9.5), QPointF(20, 14.5));
             p.drawLine(QPointF(20, 9.5), QPointF(15, 14.5));
         }},
        {"pin",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawLine(QPointF(12, 14), QPointF(12, 20));
             QPainterPath head(QPointF(8, 14));
             head.lineTo(16, 14);
             head.lineTo(14.5, 11);
             head.lineTo(14.5, 5);
             head.lineTo(9.5, 5);
             head.lineTo(9.5, 11);
             head.closeSubpath();
             p.drawPath(head);
         }},
        {"fullscreen",
         [](QPainter& p, const QColor& c) {
             p.setPen(inkPen(c, 1.8));
             for (auto [x, y, dx, dy] :
                  {std::array{5, 5, 1, 1}, {19, 5, -1, 1}, {5, 19, 1, -1}, {19, 19, -1, -1}}) {
                 p.drawLine(QPointF(x, y), QPointF(x + 4 * dx, y));
                 p.drawLine(QPointF(x, y), QPointF(x, y + 4 * dy));
             }
         }},
    };
    return table;
}

} // namespace

Icon Named(const QString& name) {
    auto it = icons().find(name);
    return it == icons().end() ? Icon([](QPainter&, const QColor&) {}) : it->second;
}

QImage Button(int size, const Icon& icon, int state, bool round, bool hero, bool lit) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(0.5, 0.5, size - 1, size - 1);
    QColor fill = Qt::transparent;
    QColor ink = lit ? kAccent : kInk;
    if (hero) {
        fill = state == 2 ? kAccent.darker(130) : state == 1 ? kAccent.lighter(115) : kAccent;
        ink = kPressedInk;
    } else if (state == 1) {
        fill = kHoverFill;
        ink = lit ? kAccent.lighter(120) : kInkHover;
    } else if (state == 2) {
        fill = kAccent;
        ink = kPressedInk;
    }
    if (fill.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        if (round)
            p.drawEllipse(plate);
        else
            p.drawRoundedRect(plate, size / 4.0, size / 4.0);
    }
    if (hero && state != 2) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(plate.adjusted(1, 1, -1, -1));
    }
    const qreal scale = size / 24.0 * (hero ? 0.9 : 0.82);
    p.translate(size / 2.0, size / 2.0);
    p.scale(scale, scale);
    p.translate(-12, -12);
    icon(p, ink);
    return image;
}

QImage Plate(int w, int h, qreal radius, QColor top, QColor bottom) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
    p.setPen(QPen(kHighlight, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), radius - 1, radius - 1);
    return image;
}

QImage Track(int w, int h, int groove) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kGroove);
    p.drawRoundedRect(QRectF(1, (h - groove) / 2.0, w - 2, groove), groove / 2.0, groove / 2.0);
    return image;
}

QImage Thumb(int size, int state) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ring = state == 2 ? kAccent.darker(120) : state == 1 ? kAccent.lighter(120) : kAccent;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(1, 2, size - 2, size - 2));
    p.setBrush(ring);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setBrush(state == 1 ? kInkHover : kThumbCore);
    const qreal inner = size * (state == 2 ? 0.22 : 0.3);
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), inner, inner);
    return image;
}

QImage Digit(int digit, int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (digit < 10) {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(h - 1);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kAccent);
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QString::number(digit));
    }
    return image;
}

void Text(QImage& image, int x, int y, const QString& text, int pixelSize, QColor color, bool bold) {
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(x, y, text);
}

void UseLightPalette() {
    kAccent = QColor(0xEA, 0x7A, 0x1E);
    kInk = QColor(0x4B, 0x55, 0x63);
    kInkHover = QColor(0x11, 0x18, 0x27);
    kPressedInk = QColor(0xFF, 0xFF, 0xFF);
    kBodyTop = QColor(0xFA, 0xFA, 0xF7);
    kBodyBottom = QColor(0xE7, 0xE5, 0xE0);
    kScreen = QColor(0xFF, 0xFF, 0xFF);
    kEdge = QColor(0xC4, 0xC0, 0xB8);
    kHighlight = QColor(255, 255, 255, 160);
    kHoverFill = QColor(0, 0, 0, 18);
    kGroove = QColor(0xD6, 0xD3, 0xCC);
    kThumbCore = QColor(0xFF, 0xF7, 0xED);
    kDrawerTop = QColor(0xF4, 0xF3, 0xEF);
    kDrawerBottom = QColor(0xE9, 0xE7, 0xE2);
    kListTop = QColor(0xFF, 0xFF, 0xFF);
    kListBottom = QColor(0xF7, 0xF6, 0xF3);
    kHairline = QColor(0xD6, 0xD3, 0xCC);
    kLabel = QColor(0x78, 0x71, 0x66);
    kFaintLabel = QColor(0xA8, 0xA2, 0x98);
    kTitleText = QColor(0x1F, 0x29, 0x37);
    kListBack = QColor(0xFF, 0xFF, 0xFF);
    kScrollThumb = QColor(0xC9, 0xC4, 0xBB);
    kScrollThumbHover = QColor(0xA8, 0xA2, 0x98);
}

} // namespace art
