#include "SkinRegion.h"

#include <algorithm>
#include <QtEndian>
#include <vector>

namespace {

constexpr qint64 kHeaderSize = 32;
constexpr qint64 kRectSize = 16;
constexpr quint32 kRectanglesType = 1;
constexpr qint64 kCoordinateLimit = 1 << 20;

qint32 ClampCoordinate(qint32 v) {
    return static_cast<qint32>(std::clamp<qint64>(v, -kCoordinateLimit, kCoordinateLimit));
}

// Unites rectangles pairwise so that many rectangles cost n log n, not n².
QRegion UniteAll(std::vector<QRegion> parts) {
    if (parts.empty())
        return {};
    while (parts.size() > 1) {
        std::vector<QRegion> next;
        next.reserve(parts.size() / 2 + 1);
        for (size_t i = 0; i + 1 < parts.size(); i += 2)
            next.push_back(parts[i].united(parts[i + 1]));
        if (parts.size() % 2 == 1)
            next.push_back(parts.back());
        parts.swap(next);
    }
    return parts.front();
}

void PutU32(QByteArray& out, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    out.append(raw, 4);
}

} // namespace

std::optional<QRegion> DecodeRegionData(const QByteArray& data) {
    if (data.size() < kHeaderSize)
        return std::nullopt;
    const char* p = data.constData();
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    const quint32 type = qFromLittleEndian<quint32>(p + 4);
    const quint32 count = qFromLittleEndian<quint32>(p + 8);
    if (headerSize < kHeaderSize || type != kRectanglesType)
        return std::nullopt;
    if (static_cast<qint64>(count) > (data.size() - kHeaderSize) / kRectSize)
        return std::nullopt;
    std::vector<QRegion> parts;
    parts.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const char* r = p + kHeaderSize + i * kRectSize;
        const qint32 left = ClampCoordinate(qFromLittleEndian<qint32>(r));
        const qint32 top = ClampCoordinate(qFromLittleEndian<qint32>(r + 4));
        const qint32 right = ClampCoordinate(qFromLittleEndian<qint32>(r + 8));
        const qint32 bottom = ClampCoordinate(qFromLittleEndian<qint32>(r + 12));
        if (right <= left || bottom <= top)
            continue;
        parts.emplace_back(left, top, right - left, bottom - top);
    }
    return UniteAll(std::move(parts));
}

QByteArray EncodeRegionData(const QRegion& region) {
    QByteArray out;
    const auto count = static_cast<quint32>(region.rectCount());
    const QRect bound = region.boundingRect();
    PutU32(out, kHeaderSize);
    PutU32(out, kRectanglesType);
    PutU32(out, count);
    PutU32(out, static_cast<quint32>(count * kRectSize));
    for (const int v :
         {bound.left(), bound.top(), bound.left() + bound.width(), bound.top() + bound.height()})
        PutU32(out, static_cast<quint32>(v));
    for (const QRect& r : region) {
        for (const int v : {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()})
            PutU32(out, static_cast<quint32>(v));
    }
    return out;
}

bool ParseRegionBlob(const QByteArray& blob, std::optional<QRegion>* region) {
    *region = std::nullopt;
    if (blob.isEmpty())
        return true;
    if (blob.size() < 4)
        return false;
    const qint32 size = qFromLittleEndian<qint32>(blob.constData());
    if (size < 0 || size > blob.size() - 4)
        return false;
    *region = DecodeRegionData(blob.mid(4, size));
    return true;
}

QByteArray MakeRegionBlob(const QRegion& region) {
    const QByteArray data = EncodeRegionData(region);
    QByteArray out;
    PutU32(out, static_cast<quint32>(data.size()));
    out.append(data);
    return out;
}
