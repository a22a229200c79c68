#include "ObjectRecordReader.h"

#include "SkinPropertyReader.h"

namespace {

constexpr qint64 kRecordHeadSize = kObjectMarkerSize + 4; // marker, kind

bool Fail(QString* error, const QString& what, qint64 position) {
    *error = QStringLiteral("%1 at offset %2").arg(what).arg(position);
    return false;
}

bool ValidParent(qint32 parent, const std::vector<ObjectRecord>& objects) {
    if (parent == -1)
        return true;
    if (parent < 0 || static_cast<size_t>(parent) >= objects.size())
        return false;
    return IsPanelKind(objects[static_cast<size_t>(parent)].kind);
}

} // namespace

bool ReadObjectRecords(ByteReader& in, qint64 endOffset, std::vector<ObjectRecord>* objects, QString* error) {
    if (endOffset - in.position() > in.remaining())
        return Fail(error, QStringLiteral("section end %1 lies past the end of the file").arg(endOffset),
                    in.position());
    while (in.position() < endOffset) {
        const qint64 recordAt = in.position();
        qint32 parent = 0;
        qint32 size = 0;
        if (endOffset - recordAt < 8 || !in.readInt32(&parent) || !in.readInt32(&size))
            return Fail(error, QStringLiteral("record head runs past the section end"), recordAt);
        if (size < 0 || size > endOffset - in.position())
            return Fail(error, QStringLiteral("record size %1 runs past the section end").arg(size),
                        recordAt);
        const qint64 copyAt = in.position();
        QByteArray copy;
        if (!in.readBytes(size, &copy))
            return Fail(error, QStringLiteral("record runs past the end of the file"), recordAt);
        if (size < kRecordHeadSize)
            return Fail(error, QStringLiteral("record of %1 bytes is too short").arg(size), recordAt);

        BufferReader record(std::move(copy), copyAt);
        qint32 kind = -1;
        if (!record.skip(kObjectMarkerSize) || !record.readInt32(&kind))
            return Fail(error, QStringLiteral("record head unreadable"), recordAt);
        if (kind < kFirstSkinItemKind || kind > kLastSkinItemKind)
            continue; // an unknown kind creates nothing
        if (!ValidParent(parent, *objects))
            return Fail(error, QStringLiteral("parent %1 is not an earlier panel").arg(parent), recordAt);

        ObjectRecord object;
        object.kind = static_cast<SkinItemKind>(kind);
        object.parent = parent;
        object.fileOffset = recordAt;
        if (!ReadObjectProperties(record, &object, error))
            return false;
        objects->push_back(std::move(object));
    }
    return true;
}

std::vector<int> FrontOrder(const std::vector<qint32>& numbers, qint32 base, int objectCount) {
    std::vector<int> order;
    for (const qint32 number : numbers) {
        const qint64 i = static_cast<qint64>(number) - base;
        if (i >= 0 && i < objectCount)
            order.push_back(static_cast<int>(i));
    }
    return order;
}
