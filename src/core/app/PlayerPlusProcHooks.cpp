#include "PlayerPlusProcHooks.h"

#include "TPlay.h"
#include "TPlayControl.h"

void PlayerPlusProcHooks::CountPlay() { control_.CountPlay(); }

int PlayerPlusProcHooks::CreateClass(const QString& name) { return play_.PluginCreateClass(name); }

void PlayerPlusProcHooks::DeleteClass(int id) { play_.PluginDeleteClass(QString::number(id)); }

void PlayerPlusProcHooks::ClearClass(int id) { play_.PluginClearClass(QString::number(id)); }

int PlayerPlusProcHooks::AddFiles(int id, const QStringList& files) {
    return play_.PluginAddFiles(QString::number(id) + QChar(1) + files.join(QStringLiteral("\r\n")));
}
