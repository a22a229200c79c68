#include "SkinWriter.h"

#include "SkinBitmap.h"
#include "SkinRegion.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

// The bytes the default layout leaves between the InfoBlock and section 0.
constexpr int kGapAfterInfo = 12;

void PutInt(QByteArray& out, qint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    out.append(raw, 4);
}

void PatchInt(QByteArray& out, qint64 at, qint32 v) {
    qToLittleEndian(v, out.data() + at);
}

QByteArray BlobBytes(const QByteArray& bytes) {
    QByteArray out;
    PutInt(out, static_cast<qint32>(bytes.size()));
    out.append(bytes);
    return out;
}

QByteArray Properties(qint32 kind, const std::vector<SkinWriterProperty>& properties) {
    QByteArray out(kObjectMarker, kObjectMarkerSize);
    PutInt(out, kind);
    PutInt(out, static_cast<qint32>(properties.size()));
    for (const SkinWriterProperty& p : properties) {
        PutInt(out, p.code);
        out.append(p.payload);
    }
    return out;
}

void PutObjects(QByteArray& out, const SkinWriterSection& section, std::vector<qint64>* positions) {
    for (const SkinWriterObject& object : section.objects) {
        positions->push_back(out.size());
        QByteArray body = Properties(object.kind, object.properties);
        body.append(kObjectTrailer, 4);
        PutInt(out, object.parent);
        PutInt(out, static_cast<qint32>(body.size()));
        out.append(body);
    }
}

// int32 end offset (patched once the objects are written), int32 base, records.
void PutSectionList(QByteArray& out, const SkinWriterSection& section, SkinFileLayout* layout, int index) {
    const qint64 endField = out.size();
    layout->endOffsetField[static_cast<size_t>(index)] = endField;
    PutInt(out, 0);
    PutInt(out, section.baseNumber);
    PutObjects(out, section, &layout->records[static_cast<size_t>(index)]);
    PatchInt(out, endField, static_cast<qint32>(out.size()));
}

} // namespace

SkinWriterProperty SkinWriterProperty::Int(qint32 code, qint32 value) {
    QByteArray payload;
    PutInt(payload, value);
    return {code, payload};
}

SkinWriterProperty SkinWriterProperty::Text(qint32 code, const QString& text) {
    return {code, SkinTextBytes(text)};
}

SkinWriterProperty SkinWriterProperty::RawText(qint32 code, const QByteArray& bytes) {
    return {code, BlobBytes(bytes)};
}

SkinWriterProperty SkinWriterProperty::Bitmap(qint32 code, const QImage& image, int bitsPerPixel) {
    return {code, BlobBytes(image.isNull() ? QByteArray() : EncodeSkinBitmap(image, bitsPerPixel))};
}

SkinWriterProperty SkinWriterProperty::Blob(qint32 code, const QByteArray& bytes) {
    return {code, BlobBytes(bytes)};
}

SkinWriterProperty SkinWriterProperty::Region(qint32 code, const QRegion& region) {
    return {code, BlobBytes(MakeRegionBlob(region))};
}

SkinWriterProperty SkinWriterProperty::Bare(qint32 code) {
    return {code, {}};
}

QByteArray SkinTextBytes(const QString& text) {
    return BlobBytes(text.toUtf8());
}

QByteArray SkinWriter::build(SkinFileLayout* layout) const {
    SkinFileLayout scratch;
    SkinFileLayout* at = layout ? layout : &scratch;
    *at = SkinFileLayout{};

    QByteArray out(kSkinMagic, kSkinMagicSize);
    PutInt(out, kSkinVersion);
    const qint64 sectionZeroField = out.size();
    PutInt(out, 0);

    at->infoStart = out.size();
    out.append(SkinTextBytes(info.title));
    out.append(BlobBytes(info.preview.isNull() ? QByteArray()
                                               : EncodeSkinBitmap(info.preview, previewBitsPerPixel)));
    for (const QString* text :
         {&info.author, &info.email, &info.qq, &info.icq, &info.homePage, &info.comment})
        out.append(SkinTextBytes(*text));
    out.append(QByteArray(kGapAfterInfo, '\0'));

    // Section 0: offset of its object list header, the window's own record, the list.
    at->sectionStart[0] = out.size();
    PatchInt(out, sectionZeroField, static_cast<qint32>(out.size()));
    const qint64 headerField = out.size();
    PutInt(out, 0);
    out.append(Properties(0, windowProperties));
    at->objectListHeader = out.size();
    PatchInt(out, headerField, static_cast<qint32>(out.size()));
    PutSectionList(out, sections[0], at, 0);

    for (int s = 1; s <= 2; ++s) {
        at->sectionStart[static_cast<size_t>(s)] = out.size();
        PutSectionList(out, sections[static_cast<size_t>(s)], at, s);
    }

    at->sectionStart[3] = out.size();
    at->frontListCount = out.size();
    PutInt(out, static_cast<qint32>(frontList.size()));
    for (const qint32 number : frontList)
        PutInt(out, number);
    return out;
}

bool SkinWriter::write(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(build()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
