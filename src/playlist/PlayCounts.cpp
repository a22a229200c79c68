#include "PlayCounts.h"

#include "OptionsStore.h"
#include "ProgramFolder.h"

#include <QFile>
#define SI_NO_CONVERSION
#include <algorithm>
#include <SimpleIni.h>

namespace {
const QString kSection = QStringLiteral("COUNT");
}

QString PlayCountFile() {
    return ProgramFile(QStringLiteral("count"));
}

int ReadPlayCount(const QString& countFile, const QString& fileName) {
    return static_cast<int>(OptionsStore(countFile).ReadInteger(kSection, fileName, 0));
}

int IncrementPlayCount(const QString& countFile, const QString& fileName) {
    OptionsStore store(countFile);
    const qint64 count = store.ReadInteger(kSection, fileName, 0) + 1;
    store.WriteInteger(kSection, fileName, count);
    return static_cast<int>(count);
}

QList<QPair<QString, qint64>> ReadAllPlayCounts(const QString& countFile) {
    // One parse of the file for all keys, with the same INI library and rules as
    // the options store (names ignore case, values are decimal text).
    QList<QPair<QString, qint64>> result;
    QFile file(countFile);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray data = file.readAll();
    CSimpleIniA ini(/*isUtf8*/ true, /*multiKey*/ false, /*multiLine*/ false);
    if (ini.LoadData(data.constData(), static_cast<size_t>(data.size())) < 0)
        return result;
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys("COUNT", keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& key : keys) {
        qint64 count = 0;
        ParseDecimal(QString::fromUtf8(ini.GetValue("COUNT", key.pItem, "")), count);
        result.append({QString::fromUtf8(key.pItem), count});
    }
    return result;
}

QStringList MostPlayed(const QList<QPair<QString, qint64>>& counts, int limit) {
    QList<QPair<QString, qint64>> sorted = counts;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    QStringList files;
    for (int i = 0; i < std::min<int>(limit, static_cast<int>(sorted.size())); ++i)
        files << sorted[i].first;
    return files;
}
