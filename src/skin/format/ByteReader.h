#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Bounded little-endian reading of the skin file's primitives. Every read is
// checked against the bytes that remain before anything is allocated or copied,
// so a size or offset taken from a hostile file can never read outside it.
class ByteReader {
public:
    virtual ~ByteReader() = default;

    // Absolute position in the skin file.
    virtual qint64 position() const = 0;
    virtual qint64 remaining() const = 0;
    virtual bool skip(qint64 count) = 0;

    bool readInt32(qint32* value);
    // count bytes; fails (reading nothing) when count is negative or too large.
    bool readBytes(qint64 count, QByteArray* bytes);
    // text: int32 byte count, then the bytes; a zero byte ends the text. A
    // negative count is a broken file. Decoded as UTF-8, else GB18030.
    bool readText(QString* text);
    // blob: int32 byte count, then the bytes; a count of 0 or less is an absent
    // blob (empty result, nothing follows).
    bool readBlob(QByteArray* bytes);
    // Skips a blob; *size receives its count (0 for an absent blob).
    bool skipBlob(qint32* size);

protected:
    virtual bool readRaw(char* to, qint64 count) = 0;
};

// Over bytes in memory (a record copy); base is the file position of byte 0.
class BufferReader final : public ByteReader {
public:
    BufferReader(QByteArray bytes, qint64 base) : bytes_(std::move(bytes)), base_(base) {}
    qint64 position() const override { return base_ + pos_; }
    qint64 remaining() const override { return bytes_.size() - pos_; }
    bool skip(qint64 count) override;

protected:
    bool readRaw(char* to, qint64 count) override;

private:
    QByteArray bytes_;
    qint64 base_ = 0;
    qint64 pos_ = 0;
};

// Over an open random-access device (the skin file), bounded by its size when
// the reader was made.
class DeviceReader final : public ByteReader {
public:
    explicit DeviceReader(QIODevice* device);
    qint64 position() const override { return pos_; }
    qint64 remaining() const override { return size_ - pos_; }
    qint64 size() const { return size_; }
    bool skip(qint64 count) override;
    // Moves to an absolute position; fails outside 0..size.
    bool seek(qint64 position);

protected:
    bool readRaw(char* to, qint64 count) override;

private:
    QIODevice* device_;
    qint64 size_ = 0;
    qint64 pos_ = 0;
};

// The bytes of a skin text up to the first zero byte, decoded.
QString DecodeSkinText(const QByteArray& bytes);
