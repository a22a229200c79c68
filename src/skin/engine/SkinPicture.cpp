#include "SkinPicture.h"

#include "RegularFile.h"

#include <QFile>
#include <QtEndian>

namespace {
template <typename T> T at(const QByteArray& b, qint64 pos) {
    return qFromLittleEndian<T>(reinterpret_cast<const uchar*>(b.constData() + pos));
}
} // namespace

QImage WithBitmapAlpha(const QString& skinFile, qint64 offset, const QImage& decoded) {
    if (decoded.isNull() || decoded.hasAlphaChannel())
        return decoded;
    // The skin file is the user's: opened again only while it is a regular file.
    QFile file;
    if (!OpenRegularFile(file, skinFile) || !file.seek(offset))
        return decoded;
    const QByteArray sizeBytes = file.read(4);
    if (sizeBytes.size() != 4)
        return decoded;
    const qint32 size = at<qint32>(sizeBytes, 0);
    if (size < 54 || size > file.size())
        return decoded;
    const QByteArray bmp = file.read(size);
    if (bmp.size() != size || !bmp.startsWith("BM") || at<quint32>(bmp, 14) < 40 ||
        at<quint16>(bmp, 28) != 32 || at<quint32>(bmp, 30) != 0)
        return decoded;
    const qint32 width = at<qint32>(bmp, 18);
    const qint32 height = at<qint32>(bmp, 22);
    const quint32 data = at<quint32>(bmp, 10);
    const qint64 rows = height < 0 ? -qint64(height) : height;
    if (width != decoded.width() || rows != decoded.height() || data + qint64(width) * rows * 4 > bmp.size())
        return decoded;
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (qint64 y = 0; y < rows; ++y) {
        const qint64 line = height < 0 ? y : rows - 1 - y; // bottom-up unless the height is negative
        const uchar* source = reinterpret_cast<const uchar*>(bmp.constData()) + data + line * width * 4;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (qint32 x = 0; x < width; ++x) {
            const int alpha = source[x * 4 + 3];
            anyAlpha |= alpha != 0;
            target[x] = qRgba(qRed(target[x]), qGreen(target[x]), qBlue(target[x]), alpha);
        }
    }
    return anyAlpha ? image : decoded;
}

QImage KeyedByBottomLeft(const QImage& picture) {
    if (picture.isNull() || picture.hasAlphaChannel())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return image;
}
