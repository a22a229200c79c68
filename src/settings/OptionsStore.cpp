#include "OptionsStore.h"

#include "FileName.h"
#include "IniText.h"

#include "AtomicFile.h"

#include <QFile>

namespace {

IniText load(const QString& fileName) {
    QFile file(fileName);
    return IniText(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

void save(const QString& fileName, const IniText& ini) { WriteFileAtomically(fileName, ini.ToBytes()); }

} // namespace

bool ParseDecimal(const QString& text, qint64& value) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok, 10);
    if (ok)
        value = v;
    return ok;
}

OptionsStore::OptionsStore(QString fileName) : file_(std::move(fileName)) {}

void OptionsStore::WriteString(const QString& section, const QString& key, const QString& value) {
    WriteStrings(section, {{key, value}});
}

void OptionsStore::WriteStrings(const QString& section, const QList<QPair<QString, QString>>& values) {
    IniText ini = load(file_);
    const QByteArray before = ini.ToBytes();
    for (const auto& [key, value] : values)
        ini.Set(section, key, value);
    // Setters write their value whenever they run; the file is replaced only
    // when its text really changes.
    if (ini.ToBytes() != before || !QFile::exists(file_))
        save(file_, ini);
}

void OptionsStore::WriteInteger(const QString& section, const QString& key, qint64 value) {
    WriteString(section, key, QString::number(value));
}

void OptionsStore::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString OptionsStore::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    QString value;
    return load(file_).Find(section, key, value) ? value : defaultValue;
}

QString OptionsStore::ReadPath(const QString& section, const QString& key, const QString& defaultValue) const {
    QByteArray value;
    return load(file_).FindRaw(section, key, value) ? DecodeStoredPath(value) : defaultValue;
}

qint64 OptionsStore::ReadInteger(const QString& section, const QString& key, qint64 defaultValue) const {
    qint64 value = defaultValue;
    ParseDecimal(ReadString(section, key, QString()), value);
    return value;
}

bool OptionsStore::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList OptionsStore::ReadSectionKeys(const QString& section) const { return load(file_).Keys(section); }

void OptionsStore::ReplaceSection(const QString& section, const QList<QPair<QString, QString>>& values) {
    IniText ini = load(file_);
    // Already so (same keys in the same order, same values): the file stays.
    QStringList keys;
    bool same = true;
    for (const auto& [key, value] : values) {
        keys << key;
        QString stored;
        same = same && ini.Find(section, key, stored) && stored == value;
    }
    if (same && ini.Keys(section) == keys)
        return;
    ini.EraseSection(section);
    for (const auto& [key, value] : values)
        ini.Set(section, key, value);
    save(file_, ini);
}

void OptionsStore::EraseSection(const QString& section) {
    IniText ini = load(file_);
    if (ini.EraseSection(section))
        save(file_, ini);
}
