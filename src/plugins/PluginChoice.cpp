#include "PluginChoice.h"

#include "PathResolve.h"
#include "TPlus.h"

#include <QUrl>

bool IsStreamAddress(const QString& file) {
    return file.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           file.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString ChoosePlugin(TPlus& plus, const QString& file) {
    if (!IsStreamAddress(file))
        return plus.FindForFile(LowerExtension(file));
    const QString path = QUrl(file).path();
    const QString byType = plus.FindForFile(LowerExtension(path));
    return byType.isEmpty() ? TPlus::InternalID : byType;
}
