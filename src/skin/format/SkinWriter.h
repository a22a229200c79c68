#pragma once

#include "SkinModel.h"

#include <array>
#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <vector>

// Writes skin files (".eks") in the layout the reader reads. The writer writes
// exactly the property entries it is given, in the given order, so tools and
// tests can build ordinary files as well as deliberately odd ones.

// One property entry: code, then its payload bytes as they go into the file.
struct SkinWriterProperty {
    qint32 code = 0;
    QByteArray payload;

    static SkinWriterProperty Int(qint32 code, qint32 value);
    // Text stored as UTF-8.
    static SkinWriterProperty Text(qint32 code, const QString& text);
    // Text bytes as they are (old files store GBK/GB18030 texts).
    static SkinWriterProperty RawText(qint32 code, const QByteArray& bytes);
    // A bitmap blob of 32 or 16 bits per pixel; a null image writes an absent blob.
    static SkinWriterProperty Bitmap(qint32 code, const QImage& image, int bitsPerPixel = 32);
    // Any blob (count, then the bytes; an empty array writes count 0).
    static SkinWriterProperty Blob(qint32 code, const QByteArray& bytes);
    static SkinWriterProperty Region(qint32 code, const QRegion& region);
    // Codes without payload (9, -2).
    static SkinWriterProperty Bare(qint32 code);
};

struct SkinWriterObject {
    qint32 parent = -1;
    qint32 kind = 0;
    std::vector<SkinWriterProperty> properties;
};

struct SkinWriterSection {
    qint32 baseNumber = 0;
    std::vector<SkinWriterObject> objects;
};

// Where the writer put things, so tests can damage a file at a known place.
struct SkinFileLayout {
    qint64 infoStart = 0;
    std::array<qint64, 4> sectionStart{};
    qint64 objectListHeader = 0; // H of section 0
    // Position of each section's end-offset field.
    std::array<qint64, 3> endOffsetField{};
    // Position of each record's parent field, per section.
    std::array<std::vector<qint64>, 3> records;
    qint64 frontListCount = 0; // position of the FrontList's count
};

class SkinWriter {
public:
    SkinInfo info;
    int previewBitsPerPixel = 32;
    // Section 0's own record: the background (200) and the shape (8).
    std::vector<SkinWriterProperty> windowProperties;
    // Faces of the main window (normal, small) and the control bar.
    std::array<SkinWriterSection, 3> sections;
    std::vector<qint32> frontList;

    QByteArray build(SkinFileLayout* layout = nullptr) const;
    // Builds and writes the file; false when it cannot be written.
    bool write(const QString& path, QString* error = nullptr) const;
};

// Bytes of a text entry as the writer stores it: int32 count, then UTF-8.
QByteArray SkinTextBytes(const QString& text);
