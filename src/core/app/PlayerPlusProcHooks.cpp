#include "PlayerPlusProcHooks.h"

#include "TPlay.h"
#include "TPlayControl.h"

void PlayerPlusProcHooks::CountPlay() { control_.CountPlay(); }

int PlayerPlusProcHooks::CreateClass(const QString& name) { return play_.PluginCreateClass(name); }

void PlayerPlusProcHooks::DeleteClass(int id) { play_.PluginDeleteClass(id); }

void PlayerPlusProcHooks::ClearClass(int id) { play_.PluginClearClass(id); }

int PlayerPlusProcHooks::AddFiles(int id, const QStringList& files) { return play_.PluginAddFiles(id, files); }
