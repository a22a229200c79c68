#include "LyricsSurface.h"

#include <algorithm>

QImage MakeSurface(const QSize& size) {
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return QImage(size, QImage::Format_RGB32);
}

void OutlineSurface(QImage& surface, QRgb outline, QRgb key) {
    OutlineSurface(surface, outline, key, surface.rect());
}

void OutlineSurface(QImage& surface, QRgb outline, QRgb key, const QRect& ink) {
    if (surface.isNull() || surface.format() != QImage::Format_RGB32)
        return;
    const int width = surface.width();
    const int height = surface.height();
    // Border pixels are never searched: their neighbours would lie outside.
    const int top = std::max(ink.top(), 1);
    const int bottom = std::min(ink.bottom() + 1, height - 1);
    const int left = std::max(ink.left(), 1);
    const int right = std::min(ink.right() + 1, width - 1);
    // Compare colour bits only: the alpha byte of an RGB32 pixel is always 0xFF.
    key |= 0xFF000000u;
    outline |= 0xFF000000u;
    for (int y = top; y < bottom; ++y) {
        QRgb* above = reinterpret_cast<QRgb*>(surface.scanLine(y - 1));
        QRgb* row = reinterpret_cast<QRgb*>(surface.scanLine(y));
        QRgb* below = reinterpret_cast<QRgb*>(surface.scanLine(y + 1));
        for (int x = left; x < right; ++x) {
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
    if (source.format() == QImage::Format_Indexed8) {
        const QList<QRgb> colors = source.colorTable();
        for (int row = 0; row < dst.height(); ++row) {
            const uchar* in = source.constScanLine(src.top() + row) + src.left();
            QRgb* out = reinterpret_cast<QRgb*>(destination.scanLine(dst.top() + row)) + dst.left();
            for (int x = 0; x < dst.width(); ++x) {
                const QRgb color = in[x] < colors.size() ? colors[in[x]] | 0xFF000000u : key;
                if (color != key)
                    out[x] = color;
            }
        }
        return;
    }
    for (int row = 0; row < dst.height(); ++row) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(src.top() + row)) + src.left();
        QRgb* out = reinterpret_cast<QRgb*>(destination.scanLine(dst.top() + row)) + dst.left();
        for (int x = 0; x < dst.width(); ++x) {
            if (in[x] != key)
                out[x] = in[x];
        }
    }
}
