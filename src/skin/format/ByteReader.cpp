#include "ByteReader.h"

#include "TextCodec.h"

#include <QIODevice>
#include <QtEndian>

bool ByteReader::readInt32(qint32* value) {
    char raw[4];
    if (remaining() < 4 || !readRaw(raw, 4))
        return false;
    *value = qFromLittleEndian<qint32>(raw);
    return true;
}

bool ByteReader::readBytes(qint64 count, QByteArray* bytes) {
    if (count < 0 || count > remaining())
        return false;
    bytes->resize(static_cast<qsizetype>(count));
    return count == 0 || readRaw(bytes->data(), count);
}

bool ByteReader::readText(QString* text) {
    qint32 count = 0;
    QByteArray bytes;
    if (!readInt32(&count) || !readBytes(count, &bytes))
        return false;
    *text = DecodeSkinText(bytes);
    return true;
}

bool ByteReader::readBlob(QByteArray* bytes) {
    qint32 count = 0;
    if (!readInt32(&count))
        return false;
    if (count <= 0) {
        bytes->clear();
        return true;
    }
    return readBytes(count, bytes);
}

bool ByteReader::skipBlob(qint32* size) {
    qint32 count = 0;
    if (!readInt32(&count))
        return false;
    *size = count > 0 ? count : 0;
    return count <= 0 || skip(count);
}

bool BufferReader::skip(qint64 count) {
    if (count < 0 || count > remaining())
        return false;
    pos_ += count;
    return true;
}

bool BufferReader::readRaw(char* to, qint64 count) {
    if (count < 0 || count > remaining())
        return false;
    memcpy(to, bytes_.constData() + pos_, static_cast<size_t>(count));
    pos_ += count;
    return true;
}

DeviceReader::DeviceReader(QIODevice* device) : device_(device) {
    size_ = device_->size();
    pos_ = device_->pos();
}

bool DeviceReader::skip(qint64 count) {
    if (count < 0 || count > remaining())
        return false;
    return seek(pos_ + count);
}

bool DeviceReader::seek(qint64 position) {
    if (position < 0 || position > size_ || !device_->seek(position))
        return false;
    pos_ = position;
    return true;
}

bool DeviceReader::readRaw(char* to, qint64 count) {
    if (count < 0 || count > remaining())
        return false;
    // The file may have shrunk since it was opened: a short read is a failure.
    if (device_->pos() != pos_ && !device_->seek(pos_))
        return false;
    if (device_->read(to, count) != count)
        return false;
    pos_ += count;
    return true;
}

QString DecodeSkinText(const QByteArray& bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return DecodeText(zero < 0 ? bytes : bytes.left(zero));
}
