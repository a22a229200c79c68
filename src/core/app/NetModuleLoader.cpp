#include "NetModuleLoader.h"

#include "NetModuleApi.h"

#include <QHash>
#include <QLibrary>

NetModule* LoadNetModule(const QString& file, QString* error) {
    static QHash<QString, NetModule*> loaded;
    if (NetModule* module = loaded.value(file))
        return module;
    // The library stays loaded: the QLibrary object going away does not unload it.
    QLibrary library(file);
    const auto entry = reinterpret_cast<NetModuleFn>(library.resolve(kNetModuleEntry));
    NetModule* module = entry ? entry() : nullptr;
    if (!module) {
        if (error)
            *error = entry ? QStringLiteral("%1 gave no factory").arg(file) : library.errorString();
        return nullptr;
    }
    loaded.insert(file, module);
    return module;
}
