#include "SkinBitmap.h"

#include <array>
#include <bit>
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

// Qt widens an n-bit channel by shifting it left, so 5-bit white becomes 248.
// Windows replicates the high bits into the low ones (31 becomes 255), which
// keeps the magenta that marks transparent strip pixels exactly 0xFF00FF.
void WidenChannels(QImage* image, const std::array<quint32, 3>& masks) {
    std::array<std::array<uchar, 256>, 3> tables{};
    bool needed = false;
    for (size_t c = 0; c < 3; ++c) {
        const int bits = std::popcount(masks[c]);
        for (int value = 0; value < 256; ++value) {
            if (bits <= 0 || bits >= 8) {
                tables[c][static_cast<size_t>(value)] = static_cast<uchar>(value);
                continue;
            }
            needed = true;
            const int v = value >> (8 - bits);
            int widened = 0;
            for (int pos = 8 - bits;; pos -= bits) {
                widened |= pos >= 0 ? v << pos : v >> -pos;
                if (pos <= 0)
                    break;
            }
            tables[c][static_cast<size_t>(value)] = static_cast<uchar>(widened);
        }
    }
    if (!needed)
        return;
    *image = image->convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image->height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
        for (int x = 0; x < image->width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(tables[0][static_cast<size_t>(qRed(p))], tables[1][static_cast<size_t>(qGreen(p))],
                           tables[2][static_cast<size_t>(qBlue(p))]);
        }
    }
}

// Channel masks of a 16-bit bitmap: 5-5-5 unless it carries its own masks.
std::array<quint32, 3> SixteenBitMasks(const QByteArray& bytes) {
    const quint32 headerSize = At<quint32>(bytes, kFileHeaderSize);
    const quint32 compression = headerSize >= kInfoHeaderSize ? At<quint32>(bytes, 30) : 0;
    const qint64 masksAt = kFileHeaderSize + kInfoHeaderSize; // after the info header, or inside a V4/V5 one
    if (compression == 3 && bytes.size() >= masksAt + 12)
        return {At<quint32>(bytes, masksAt), At<quint32>(bytes, masksAt + 4),
                At<quint32>(bytes, masksAt + 8)};
    return {0x7C00, 0x03E0, 0x001F};
}

int BitsPerPixel(const QByteArray& bytes) {
    return At<quint32>(bytes, kFileHeaderSize) == 12 ? At<quint16>(bytes, 24) : At<quint16>(bytes, 28);
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
    // Qt's own bitmap reader and no other: guessing would load every image
    // format plug-in of the system into the player.
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image))
        return {};
    if (BitsPerPixel(bytes) == 16)
        WidenChannels(&image, SixteenBitMasks(bytes));
    return image;
}

QByteArray EncodeSkinBitmap(const QImage& image, int bitsPerPixel) {
    if ((bitsPerPixel != 32 && bitsPerPixel != 16) || image.isNull())
        return {};
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    // A picture without alpha keeps its fourth bytes zero, as 32-bit bitmaps
    // without alpha have them: the engine then treats it as opaque (or keyed
    // by colour where the object is transparent), not as fully alpha-blended.
    const bool alpha = image.hasAlphaChannel();
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
                const char a = char(alpha ? qAlpha(p) : 0);
                const char bgra[4] = {char(qBlue(p)), char(qGreen(p)), char(qRed(p)), a};
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
