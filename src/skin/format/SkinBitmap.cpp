#include "SkinBitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
// Pictures larger than this are refused before Qt allocates them.
constexpr qint64 kMaxPixels = 16 * 1024 * 1024;

template <typename T> T At(const QByteArray& bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Checks the header's claims against the bytes that carry them.
bool PlausibleBitmap(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderSize + 12 || !bytes.startsWith("BM"))
        return false;
    const quint32 headerSize = At<quint32>(bytes, kFileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = At<quint16>(bytes, 18);
        height = At<quint16>(bytes, 20);
        bits = At<quint16>(bytes, 24);
    } else {
        if (headerSize < kInfoHeaderSize || bytes.size() < kFileHeaderSize + kInfoHeaderSize)
            return false;
        width = At<qint32>(bytes, 18);
        height = At<qint32>(bytes, 22);
        bits = At<quint16>(bytes, 28);
        compression = At<quint32>(bytes, 30);
    }
    if (height < 0)
        height = -height; // top-down rows
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32)
        return false;
    if (width * height > kMaxPixels)
        return false;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed) {
        const qint64 rowBytes = ((width * bits + 31) / 32) * 4;
        const qint64 dataOffset = At<quint32>(bytes, 10);
        if (dataOffset > bytes.size() || rowBytes * height > bytes.size() - dataOffset)
            return false;
    }
    return true;
}

void PutU16(QByteArray& out, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    out.append(raw, 2);
}

void PutU32(QByteArray& out, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    out.append(raw, 4);
}

} // namespace

QImage DecodeSkinBitmap(const QByteArray& bytes) {
    if (!PlausibleBitmap(bytes))
        return {};
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QByteArray EncodeSkinBitmap(const QImage& image, int bitsPerPixel) {
    if ((bitsPerPixel != 32 && bitsPerPixel != 16) || image.isNull())
        return {};
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const qint64 width = source.width();
    const qint64 height = source.height();
    const qint64 rowBytes = ((width * bitsPerPixel + 31) / 32) * 4;
    const qint64 dataSize = rowBytes * height;
    const qint64 offset = kFileHeaderSize + kInfoHeaderSize;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + dataSize));
    out.append("BM", 2);
    PutU32(out, static_cast<quint32>(offset + dataSize));
    PutU32(out, 0); // two reserved words
    PutU32(out, static_cast<quint32>(offset));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<quint32>(width));
    PutU32(out, static_cast<quint32>(height)); // positive: rows bottom-up
    PutU16(out, 1);
    PutU16(out, static_cast<quint16>(bitsPerPixel));
    PutU32(out, 0); // uncompressed
    PutU32(out, static_cast<quint32>(dataSize));
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);

    for (qint64 y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(y)));
        qint64 written = 0;
        for (qint64 x = 0; x < width; ++x) {
            const QRgb p = line[x];
            if (bitsPerPixel == 32) {
                const char bgra[4] = {char(qBlue(p)), char(qGreen(p)), char(qRed(p)), char(qAlpha(p))};
                out.append(bgra, 4);
                written += 4;
            } else {
                const quint16 v = quint16(((qRed(p) >> 3) << 10) | ((qGreen(p) >> 3) << 5) | (qBlue(p) >> 3));
                PutU16(out, v);
                written += 2;
            }
        }
        out.append(QByteArray(static_cast<qsizetype>(rowBytes - written), '\0'));
    }
    return out;
}
