#include "OptionsStore.h"

#include <QFile>
#include <QSaveFile>
// Values are handled as UTF-8 bytes; no wide-character conversion is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <string>

namespace {

// CSimpleIniA compares section and key names without regard to case.
struct Ini {
    CSimpleIniA ini{/*isUtf8*/ true, /*multiKey*/ false, /*multiLine*/ false};
};

void load(const QString& fileName, Ini& ini) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    ini.ini.LoadData(data.constData(), static_cast<size_t>(data.size()));
}

void save(const QString& fileName, const Ini& ini) {
    std::string text;
    ini.ini.Save(text);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
}

std::string u8(const QString& s) { return s.toStdString(); }

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
    Ini ini;
    load(file_, ini);
    ini.ini.SetValue(u8(section).c_str(), u8(key).c_str(), u8(value).c_str());
    save(file_, ini);
}

void OptionsStore::WriteStrings(const QString& section, const QList<QPair<QString, QString>>& values) {
    Ini ini;
    load(file_, ini);
    for (const auto& [key, value] : values)
        ini.ini.SetValue(u8(section).c_str(), u8(key).c_str(), u8(value).c_str());
    save(file_, ini);
}

void OptionsStore::WriteInteger(const QString& section, const QString& key, qint64 value) {
    WriteString(section, key, QString::number(value));
}

void OptionsStore::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString OptionsStore::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    Ini ini;
    load(file_, ini);
    const char* value = ini.ini.GetValue(u8(section).c_str(), u8(key).c_str(), nullptr);
    return value ? QString::fromUtf8(value) : defaultValue;
}

qint64 OptionsStore::ReadInteger(const QString& section, const QString& key, qint64 defaultValue) const {
    qint64 value = defaultValue;
    ParseDecimal(ReadString(section, key, QString()), value);
    return value;
}

bool OptionsStore::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList OptionsStore::ReadSectionKeys(const QString& section) const {
    Ini ini;
    load(file_, ini);
    CSimpleIniA::TNamesDepend keys;
    ini.ini.GetAllKeys(u8(section).c_str(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& entry : keys)
        result << QString::fromUtf8(entry.pItem);
    return result;
}

void OptionsStore::EraseSection(const QString& section) {
    Ini ini;
    load(file_, ini);
    if (ini.ini.Delete(u8(section).c_str(), nullptr))
        save(file_, ini);
}
