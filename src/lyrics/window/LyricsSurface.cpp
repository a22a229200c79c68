#include "LyricsSurface.h"

QImage MakeSurface(const QSize& size) {
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return QImage(size, QImage::Format_RGB32);
}

void OutlineSurface(QImage& surface, QRgb outline, QRgb key) {
    if (surface.isNull() || surface.format() != QImage::Format_RGB32)
        return;
    const int width = surface.width();
    const int height = surface.height();
    // Compare colour bits only: the alpha byte of an RGB32 pixel is always 0xFF.
    key |= 0xFF000000u;
    outline |= 0xFF000000u;
    for (int y = 1; y < height - 1; ++y) {
        QRgb* above = reinterpret_cast<QRgb*>(surface.scanLine(y - 1));
        QRgb* row = reinterpret_cast<QRgb*>(surface.scanLine(y));
        QRgb* below = reinterpret_cast<QRgb*>(surface.scanLine(y + 1));
        for (int x = 1; x < width - 1; ++x) {
            const QRgb pixel = row[x];
            if (pixel == key || pixel == outline)
                continue;
            if (above[x] == key)
                above[x] = outline;
            if (below[x] == key)
                below[x] = outline;
            if (row[x - 1] == key)
                row[x - 1] = outline;
            if (row[x + 1] == key)
                row[x + 1] = outline;
        }
    }
}

void CopyKeyed(QImage& destination, const QPoint& to, const QImage& source, const QRect& from, QRgb key) {
    if (destination.isNull() || source.isNull())
        return;
    key |= 0xFF000000u;
    QRect src = from.intersected(source.rect());
    // Clip against the destination, moving the source rectangle with it.
    const QPoint offset = to - from.topLeft();
    const QRect dst = src.translated(offset).intersected(destination.rect());
    if (dst.isEmpty())
        return;
    src = dst.translated(-offset);
    for (int row = 0; row < dst.height(); ++row) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(src.top() + row)) + src.left();
        QRgb* out = reinterpret_cast<QRgb*>(destination.scanLine(dst.top() + row)) + dst.left();
        for (int x = 0; x < dst.width(); ++x) {
            if (in[x] != key)
                out[x] = in[x];
        }
    }
}
