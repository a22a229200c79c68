#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// Pictures for the list view tests, drawn here.
namespace listviewtest {

inline QImage Solid(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A strip of frames side by side, frame i filled with colors[i] and a magenta
// square in its middle.
inline QImage Strip(int frameWidth, int height, const QList<QColor>& colors) {
    QImage image(frameWidth * colors.size(), height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < colors.size(); ++i) {
        painter.fillRect(i * frameWidth, 0, frameWidth, height, colors[i]);
        painter.fillRect(i * frameWidth + frameWidth / 2 - 1, height / 2 - 1, 3, 3, QColor(0xFF, 0x00, 0xFF));
    }
    return image;
}

inline const QList<QColor> kThumbColors = {Qt::red, Qt::green, Qt::blue};
inline const QList<QColor> kButtonColors = {QColor(10, 0, 0), QColor(20, 0, 0), QColor(30, 0, 0),
                                            QColor(0, 10, 0), QColor(0, 20, 0), QColor(0, 30, 0)};

} // namespace listviewtest
