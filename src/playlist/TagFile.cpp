#include "TagFile.h"

#include "RegularFile.h"

#include <QFile>

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F;
}

// Bytes of a field cut at the first zero byte and trimmed of blanks and control characters.
QByteArray CleanField(const QByteArray& raw) {
    QByteArray bytes = raw.left(raw.indexOf('\0') < 0 ? raw.size() : raw.indexOf('\0'));
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && IsBlankOrControl(bytes[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(bytes[end - 1]))
        --end;
    return bytes.mid(begin, end - begin);
}

bool HasMarker(const QByteArray& tail, int fromEnd, const char* marker) {
    const qsizetype length = static_cast<qsizetype>(std::strlen(marker));
    if (tail.size() < fromEnd)
        return false;
    return tail.mid(tail.size() - fromEnd, length).compare(QByteArray(marker), Qt::CaseInsensitive) == 0;
}

template <std::size_t N> void Put(QByteArray& out, const std::array<char, N>& field) {
    out.append(field.data(), static_cast<qsizetype>(N));
}

} // namespace

TSongTag ParseTagTail(const QByteArray& tail) {
    TSongTag tag; // without a tag block: no genre (255), as ID3v1 writers store it
    if (HasMarker(tail, kTagTailSize, "lyrics")) {
        const qsizetype at = tail.size() - kTagTailSize + 6;
        SetTagBytes(tag.LyricsName, CleanField(tail.mid(at, 30)));
    }
    if (HasMarker(tail, kTagBlockSize, "tag")) {
        qsizetype at = tail.size() - kTagBlockSize + 3;
        auto take = [&](auto& field) {
            const qsizetype width = static_cast<qsizetype>(field.size());
            SetTagBytes(field, CleanField(tail.mid(at, width)));
            at += width;
        };
        take(tag.Title);
        take(tag.Artist);
        take(tag.Album);
        take(tag.Year);
        take(tag.Comment);
        tag.Genre = static_cast<quint8>(tail[at]);
    }
    return tag;
}

bool HasTagBlock(const QByteArray& tail) { return HasMarker(tail, kTagBlockSize, "tag"); }

bool ReadTag(const QString& fileName, TSongTag& tag) {
    bool hasTagBlock = false;
    return ReadTag(fileName, tag, hasTagBlock);
}

bool ReadTag(const QString& fileName, TSongTag& tag, bool& hasTagBlock) {
    hasTagBlock = false;
    tag = ParseTagTail(QByteArray());
    // Reading needs no write access: a read-only file still shows its tag.
    // Regular files only, so a FIFO or device never blocks the tag scan.
    QFile file;
    if (!OpenRegularFile(file, fileName))
        return false;
    const qint64 size = file.size();
    const qint64 start = std::max<qint64>(0, size - kTagTailSize);
    if (!file.seek(start))
        return true;
    const QByteArray tail = file.read(size - start);
    hasTagBlock = HasTagBlock(tail);
    tag = ParseTagTail(tail);
    return true;
}

QByteArray TagBlocks(const TSongTag& tag) {
    QByteArray out;
    out.reserve(kTagTailSize);
    out.append("LYRICS");
    Put(out, tag.LyricsName);
    out.append("TAG");
    Put(out, tag.Title);
    Put(out, tag.Artist);
    Put(out, tag.Album);
    Put(out, tag.Year);
    Put(out, tag.Comment);
    out.append(static_cast<char>(tag.Genre));
    return out;
}

TagWritePlan PlanTagWrite(const QByteArray& tail, qint64 fileSize, const TSongTag& tag) {
    TagWritePlan plan;
    plan.bytes = TagBlocks(tag);
    const bool hasTag = HasMarker(tail, kTagBlockSize, "tag");
    // The lyrics block is only trusted in front of a TAG block: a stray "lyrics"
    // inside the audio data must not make us overwrite the last 164 audio bytes.
    if (hasTag && HasMarker(tail, kTagTailSize, "lyrics"))
        plan.offset = fileSize - kTagTailSize;
    else if (hasTag)
        plan.offset = fileSize - kTagBlockSize;
    else
        plan.offset = fileSize;
    return plan;
}

TagWriteResult WriteTag(const QString& fileName, const TSongTag& tag) {
    // Never created: a song whose file is gone must not come back as a tag stub.
    QFile file;
    if (!OpenRegularFile(file, fileName, QIODevice::ReadWrite))
        return TagWriteResult::CannotOpen;
    const qint64 size = file.size();
    const qint64 start = std::max<qint64>(0, size - kTagTailSize);
    if (!file.seek(start))
        return TagWriteResult::WriteFailed;
    const QByteArray tail = file.read(size - start);
    const TagWritePlan plan = PlanTagWrite(tail, size, tag);
    const bool ok = file.seek(plan.offset) && file.write(plan.bytes) == plan.bytes.size() && file.flush();
    if (ok)
        return TagWriteResult::Written;
    // Put back what was there before the failed write (the old tail and length).
    if (file.seek(start))
        file.write(tail);
    file.resize(size);
    return TagWriteResult::WriteFailed;
}
