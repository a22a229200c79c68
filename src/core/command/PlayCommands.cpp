#include "PlayCommands.h"

#include "TCommandDispatcher.h"
#include "TPlayControl.h"

void InstallPlayCommands(TCommandDispatcher& d, TPlayControl& control) {
    d.SetHandler(QStringLiteral("#PLAY"), [&control](const CommandCall& call) { control.Play(call.argument); });
    d.SetHandler(QStringLiteral("#STOP"), [&control](const CommandCall&) { control.Stop(); });
    d.SetHandler(QStringLiteral("#NEXT"), [&control](const CommandCall&) { control.NextSong(); });
    d.SetHandler(QStringLiteral("#PREV"), [&control](const CommandCall&) { control.PrevSong(); });
    d.SetHandler(QStringLiteral("#PLAYSTATUSCHANGED"), [&control](const CommandCall&) { control.PlayStatusChanged(); });
}
