#include "SidePicture.h"

#include "MenuMetrics.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QImage SidePicture() {
    using namespace MenuMetrics;
    QImage image(kSidePictureWidth, kSidePictureHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient shade(0, 0, 0, kSidePictureHeight);
    shade.setColorAt(0.0, QColor(0x22, 0x3a, 0x40));
    shade.setColorAt(0.55, QColor(0x12, 0x1f, 0x24));
    shade.setColorAt(1.0, QColor(0, 0, 0));
    p.fillRect(image.rect(), shade);

    // A thin accent line along the inner edge.
    QLinearGradient edge(0, 0, 0, kSidePictureHeight);
    QColor accent = Accent();
    edge.setColorAt(0.0, accent);
    accent.setAlpha(0);
    edge.setColorAt(1.0, accent);
    p.fillRect(QRect(kSidePictureWidth - 2, 0, 1, kSidePictureHeight), edge);

    // "Sorvi" reading upwards, its baseline near the strip's right edge, set
    // near the foot of the picture.
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    p.translate(kSidePictureWidth - 6, kSidePictureHeight - 10);
    p.rotate(-90);
    p.setPen(Accent());
    p.drawText(QPoint(0, 0), QStringLiteral("Sorvi"));
    return image;
}
