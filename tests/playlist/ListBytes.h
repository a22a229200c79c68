#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds list-file bytes field by field, so fixtures read like the layout.
class ListBytes {
public:
    ListBytes& raw(const QByteArray& bytes) {
        data_.append(bytes);
        return *this;
    }
    ListBytes& magic() { return raw("[kelvando_list]"); }
    ListBytes& i32(qint32 value) {
        char bytes[4];
        qToLittleEndian<qint32>(value, bytes);
        data_.append(bytes, 4);
        return *this;
    }
    ListBytes& entry(const QByteArray& path) { return i32(static_cast<qint32>(path.size())).raw(path); }
    ListBytes& name(const QByteArray& name) { return raw(name + QByteArray(32 - name.size(), '\0')); }
    const QByteArray& bytes() const { return data_; }
    operator QByteArray() const { return data_; }

private:
    QByteArray data_;
};
