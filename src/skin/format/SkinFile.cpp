#include "SkinFile.h"

#include "ByteReader.h"
#include "ObjectRecordReader.h"
#include "SkinBitmap.h"
#include "SkinPropertyReader.h"
#include "RegularFile.h"

#include <QFile>

namespace {

constexpr qint64 kSectionZeroPointer = kSkinMagicSize + 4;

SkinLoadResult Failure(SkinLoadError error, const QString& detail) {
    return {error, detail};
}

SkinLoadResult Broken(const QString& what, qint64 position) {
    return Failure(SkinLoadError::BrokenFile, QStringLiteral("%1 at offset %2").arg(what).arg(position));
}

} // namespace

SkinFile::SkinFile() = default;
SkinFile::~SkinFile() = default;

SkinLoadResult SkinFile::open(const QString& path) {
    // Only a regular file is opened, by the name's own bytes and without
    // blocking: a FIFO or device named like a skin must not hang the window.
    auto file = std::make_unique<QFile>();
    if (!OpenRegularFile(*file, path))
        return Failure(SkinLoadError::CannotOpen, QStringLiteral("not a readable regular file"));
    if (file->size() > kMaxSkinFileBytes)
        return Failure(SkinLoadError::CannotOpen, QStringLiteral("larger than a skin can be"));
    return open(std::move(file));
}

SkinLoadResult SkinFile::open(std::unique_ptr<QIODevice> device) {
    close();
    if (!device->isOpen() && !device->open(QIODevice::ReadOnly))
        return Failure(SkinLoadError::CannotOpen, device->errorString());
    if (device->isSequential())
        return Failure(SkinLoadError::CannotOpen, QStringLiteral("not a random-access file"));
    device_ = std::move(device);
    device_->seek(0);
    reader_ = std::make_unique<DeviceReader>(device_.get());
    SkinLoadResult result = check();
    if (!result.ok())
        close();
    return result;
}

void SkinFile::close() {
    reader_.reset();
    device_.reset();
}

qint64 SkinFile::size() const {
    return reader_ ? reader_->size() : 0;
}

SkinLoadResult SkinFile::check() {
    QByteArray magic;
    if (!reader_->seek(0) || !reader_->readBytes(kSkinMagicSize, &magic) || magic != kSkinMagic)
        return Failure(SkinLoadError::InvalidMagic, QStringLiteral("magic differs"));
    qint32 version = 0;
    if (!reader_->readInt32(&version))
        return Broken(QStringLiteral("version missing"), kSkinMagicSize);
    if (version != kSkinVersion)
        return Failure(SkinLoadError::WrongVersion, QStringLiteral("version %1").arg(version));
    return {};
}

std::optional<qint64> SkinFile::locateSection(int s) {
    if (!reader_ || s < 0 || s > 3)
        return std::nullopt;
    qint32 offset = 0;
    if (!reader_->seek(kSectionZeroPointer) || !reader_->readInt32(&offset) || !reader_->seek(offset))
        return std::nullopt;
    if (s >= 1) {
        // Section 0 starts with the offset of its object list header, whose
        // first number is the section's end.
        if (!reader_->readInt32(&offset) || !reader_->seek(offset) || !reader_->readInt32(&offset) ||
            !reader_->seek(offset))
            return std::nullopt;
    }
    for (int i = 2; i <= s; ++i) {
        if (!reader_->readInt32(&offset) || !reader_->seek(offset))
            return std::nullopt;
    }
    const qint64 position = reader_->position();
    if (position >= reader_->size())
        return std::nullopt;
    return position;
}

bool SkinFile::sectionHasObjects(int s) {
    if (s < 0 || s > 2 || !locateSection(s))
        return false;
    qint32 header = 0;
    if (s == 0 && (!reader_->readInt32(&header) || !reader_->seek(header)))
        return false;
    qint32 end = 0;
    qint32 base = 0;
    if (!reader_->readInt32(&end) || !reader_->readInt32(&base))
        return false;
    return end > reader_->position();
}

SkinLoadResult SkinFile::readWindowBody(SkinSection* section) {
    qint32 header = 0;
    if (!reader_->readInt32(&header))
        return Broken(QStringLiteral("object list offset missing"), reader_->position());
    ObjectRecord body;
    body.kind = SkinItemKind::WindowBody;
    body.fileOffset = reader_->position();
    QString error;
    qint32 kind = 0;
    if (!reader_->skip(kObjectMarkerSize) || !reader_->readInt32(&kind))
        return Broken(QStringLiteral("window record runs past the end"), body.fileOffset);
    if (!ReadWindowProperties(*reader_, &body, &error))
        return Failure(SkinLoadError::BrokenFile, error);
    section->objects.push_back(std::move(body));
    if (!reader_->seek(header))
        return Broken(QStringLiteral("object list offset %1 lies outside the file").arg(header), 19);
    return {};
}

SkinLoadResult SkinFile::readSection(int s, SkinSection* section) {
    *section = SkinSection{};
    section->index = s;
    if (s < 0 || s > 2)
        return Failure(SkinLoadError::SectionMissing, QStringLiteral("no section %1").arg(s));
    const std::optional<qint64> start = locateSection(s);
    if (!start)
        return Failure(SkinLoadError::SectionMissing, QStringLiteral("section %1 lies past the end").arg(s));
    section->start = *start;
    if (s == 0) {
        const SkinLoadResult body = readWindowBody(section);
        if (!body.ok())
            return body;
    }
    qint32 end = 0;
    const qint64 headAt = reader_->position();
    if (!reader_->readInt32(&end) || !reader_->readInt32(&section->baseNumber))
        return Broken(QStringLiteral("section head runs past the end"), headAt);
    section->endOffset = end;
    if (s != 0 && end <= reader_->position())
        return Failure(SkinLoadError::EmptySection, QStringLiteral("section %1 has no objects").arg(s));

    QString error;
    if (!ReadObjectRecords(*reader_, end, &section->objects, &error))
        return Failure(SkinLoadError::BrokenFile, error);

    std::vector<qint32> front;
    const SkinLoadResult frontList = readFrontList(&front);
    if (!frontList.ok())
        return frontList;
    section->frontOrder = FrontOrder(front, section->baseNumber, static_cast<int>(section->objects.size()));
    return {};
}

SkinLoadResult SkinFile::readFrontList(std::vector<qint32>* numbers, qint64* end) {
    numbers->clear();
    if (!locateSection(3))
        return Failure(SkinLoadError::SectionMissing, QStringLiteral("FrontList lies past the end"));
    const qint64 at = reader_->position();
    qint32 count = 0;
    if (!reader_->readInt32(&count) || count < 0 || count > reader_->remaining() / 4)
        return Broken(QStringLiteral("FrontList count negative or past the end"), at);
    numbers->reserve(static_cast<size_t>(count));
    for (qint32 i = 0; i < count; ++i) {
        qint32 number = 0;
        reader_->readInt32(&number);
        numbers->push_back(number);
    }
    if (end)
        *end = reader_->position();
    return {};
}

SkinLoadResult SkinFile::readInfo(SkinInfo* info) {
    *info = SkinInfo{};
    if (!reader_)
        return Failure(SkinLoadError::CannotOpen, QStringLiteral("not open"));
    if (!reader_->seek(kSectionZeroPointer + 4))
        return Broken(QStringLiteral("InfoBlock missing"), kSectionZeroPointer);
    const qint64 at = reader_->position();
    QByteArray preview;
    if (!reader_->readText(&info->title) || !reader_->readBlob(&preview) ||
        !reader_->readText(&info->author) || !reader_->readText(&info->email) ||
        !reader_->readText(&info->qq) || !reader_->readText(&info->icq) ||
        !reader_->readText(&info->homePage) || !reader_->readText(&info->comment))
        return Broken(QStringLiteral("InfoBlock runs past the end"), at);
    if (!preview.isEmpty())
        info->preview = DecodeSkinBitmap(preview);
    return {};
}

QImage SkinFile::readStateImage(const QString& entry) {
    bool ok = false;
    const qint64 offset = entry.toLongLong(&ok);
    return ok ? readStateImage(offset) : QImage();
}

QImage SkinFile::readStateImage(qint64 offset) {
    QByteArray blob;
    if (!reader_ || !reader_->seek(offset) || !reader_->readBlob(&blob) || blob.isEmpty())
        return {};
    return DecodeSkinBitmap(blob);
}

bool ReadSkinInfo(const QString& path, SkinInfo* info) {
    SkinFile file;
    return file.open(path).ok() && file.readInfo(info).ok();
}

bool SectionHasObjects(const QString& path, int s) {
    SkinFile file;
    return file.open(path).ok() && file.sectionHasObjects(s);
}
