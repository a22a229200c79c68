#include "PlayCounts.h"

#include "IniText.h"
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

void ClearPlayCounts(const QString& countFile) {
    OptionsStore(countFile).EraseSection(kSection);
}

int IncrementPlayCount(const QString& countFile, const QString& fileName) {
    OptionsStore store(countFile);
    const qint64 count = store.ReadInteger(kSection, fileName, 0) + 1;
    store.WriteInteger(kSection, fileName, count);
    return static_cast<int>(count);
}

QList<QPair<QString, qint64>> ReadAllPlayCounts(const QString& countFile) {
    // One read of the file for all keys, with the options store's INI rules.
    QList<QPair<QString, qint64>> result;
    QFile file(countFile);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const IniText ini(file.readAll());
    for (const QString& key : ini.Keys(kSection)) {
        QString text;
        qint64 count = 0;
        if (ini.Find(kSection, key, text))
            ParseDecimal(text, count);
        result.append({key, count});
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
