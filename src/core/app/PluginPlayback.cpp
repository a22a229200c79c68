#include "PluginPlayback.h"

#include "PluginChoice.h"
#include "TPlus.h"

#include <QCoreApplication>

namespace {
constexpr int kPlayFile = 2;
constexpr int kStop = 3;
} // namespace

void PluginPlayback::PlayFile(const QString& file) {
    refusal_.clear();
    plus_.Rescan();
    const QString id = ChoosePlugin(plus_, file);
    plus_.SetCurrent(id);
    if (id.isEmpty()) {
        refusal_ = QCoreApplication::translate("PlayFailure", "cannot play: no plug-in plays this file type");
        return;
    }
    plus_.Load(id);
    const int index = plus_.IndexOfID(id);
    if (index >= 0 && index >= TPlus::InternalCount && !plus_.Item(index).Module) {
        refusal_ = QCoreApplication::translate("PlayFailure", "cannot play: its plug-in cannot be loaded");
        return;
    }
    if (plus_.Send(id, kPlayFile, file) == -1 && index >= 0 && !plus_.Item(index).MessageProc)
        refusal_ = QCoreApplication::translate("PlayFailure", "cannot play: its plug-in takes no requests");
}

void PluginPlayback::StopCurrent() {
    const QString id = plus_.Current();
    if (id.isEmpty())
        return;
    plus_.Send(id, kStop, QString());
    plus_.Unload(id, false);
    plus_.SetCurrent(QString());
}
