#include "ListFile.h"

#include <cstring>
#include <QtEndian>

namespace {

// Bounds-checked reading over the file's bytes.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : data_(bytes) {}

    bool ReadInt(qint32& value) {
        if (Remaining() < 4)
            return Fail();
        value = qFromLittleEndian<qint32>(data_.constData() + pos_);
        pos_ += 4;
        return true;
    }

    // length bytes read in chunks of at most 1024, each taken up to its first zero byte.
    bool ReadText(qint64 length, QByteArray& text) {
        if (length < 0 || length > Remaining())
            return Fail();
        text.clear();
        while (length > 0) {
            const qsizetype chunk = static_cast<qsizetype>(std::min<qint64>(length, 1024));
            const char* start = data_.constData() + pos_;
            const void* nul = std::memchr(start, 0, static_cast<std::size_t>(chunk));
            text.append(start, nul ? static_cast<const char*>(nul) - start : chunk);
            pos_ += chunk;
            length -= chunk;
        }
        return true;
    }

    bool ReadEntry(QByteArray& path) {
        qint32 length = 0;
        return ReadInt(length) && ReadText(static_cast<quint32>(length), path);
    }

    qint64 Remaining() const { return data_.size() - pos_; }

private:
    bool Fail() {
        pos_ = data_.size();
        return false;
    }

    const QByteArray data_; // shares the caller's bytes
    qsizetype pos_ = 0;
};

bool ReadSongs(Reader& in, ListFileCategory& category) {
    qint32 count = 0;
    if (!in.ReadInt(count))
        return false;
    // Never trust the count for the allocation: each entry takes at least 4 bytes.
    category.paths.reserve(static_cast<qsizetype>(std::clamp<qint64>(count, 0, in.Remaining() / 4)));
    for (qint32 i = 0; i < count; ++i) {
        QByteArray path;
        if (!in.ReadEntry(path))
            return false;
        category.paths.append(std::move(path));
    }
    return true;
}

void PutInt(QByteArray& out, qint32 value) {
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    out.append(bytes, 4);
}

void PutEntries(QByteArray& out, const QList<QByteArray>& paths) {
    PutInt(out, static_cast<qint32>(paths.size()));
    for (const QByteArray& path : paths) {
        PutInt(out, static_cast<qint32>(path.size()));
        out.append(path);
    }
}

} // namespace

ListFileData ParseListFile(const QByteArray& bytes) {
    ListFileData data;
    const qsizetype magicSize = static_cast<qsizetype>(std::strlen(kListMagic));
    if (bytes.size() < magicSize) {
        data.result = ListReadFailed; // cut short before the magic ends
        return data;
    }
    if (bytes.left(magicSize) != QByteArray(kListMagic)) {
        data.result = ListBadMagic;
        return data;
    }
    Reader in(bytes.mid(magicSize));
    qint32 header = 0;
    qint32 count = 0;
    if (!in.ReadInt(header)) {
        data.result = ListReadFailed;
        return data;
    }
    if (header != 0) {
        data.result = ListBadHeader;
        return data;
    }
    if (!in.ReadInt(count)) {
        data.result = ListReadFailed;
        return data;
    }
    // Slot 0 is DEFAULT, slot 1 stands for TOPTEN (nothing stored), slots 2..N
    // are the category blocks.
    for (qint64 i = 0; i <= count; ++i) {
        if (i == 1)
            continue;
        ListFileCategory category;
        if (i >= 2) {
            if (!in.ReadText(kListNameSize, category.name) || !in.ReadInt(category.kind)) {
                data.result = ListReadFailed;
                return data;
            }
        }
        const bool complete = ReadSongs(in, category);
        data.categories.append(std::move(category));
        if (!complete) {
            data.result = ListReadFailed;
            return data;
        }
    }
    return data;
}

QByteArray SerializeListFile(const QList<QByteArray>& defaultPaths,
                             const QList<ListFileCategory>& categories) {
    QByteArray out;
    out.append(kListMagic);
    PutInt(out, 0);
    PutInt(out, static_cast<qint32>(categories.size() + 1));
    PutEntries(out, defaultPaths);
    for (const ListFileCategory& category : categories) {
        QByteArray name = category.name.left(kListNameSize);
        name.append(QByteArray(kListNameSize - name.size(), '\0'));
        out.append(name);
        PutInt(out, category.kind);
        PutEntries(out, category.paths);
    }
    return out;
}
