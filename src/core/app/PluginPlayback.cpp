#include "PluginPlayback.h"

#include "PluginChoice.h"
#include "TPlus.h"

namespace {
constexpr int kPlayFile = 2;
constexpr int kStop = 3;
} // namespace

void PluginPlayback::PlayFile(const QString& file) {
    plus_.Rescan();
    const QString id = ChoosePlugin(plus_, file);
    plus_.SetCurrent(id);
    if (id.isEmpty())
        return; // no plug-in plays this type: the status stays at opening
    plus_.Load(id);
    plus_.Send(id, kPlayFile, file);
}

void PluginPlayback::StopCurrent() {
    const QString id = plus_.Current();
    if (id.isEmpty())
        return;
    plus_.Send(id, kStop, QString());
    plus_.Unload(id, false);
    plus_.SetCurrent(QString());
}
