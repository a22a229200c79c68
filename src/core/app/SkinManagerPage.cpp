#include "SkinManagerPage.h"

#include "DialogLayer.h"
#include "Messenger.h"
#include "PlayerApplication.h"
#include "PlayerSettings.h"
#include "ProgramFolder.h"
#include "SkinEditorLookup.h"
#include "SkinLayer.h"
#include "TFrameForm.h"
#include "TKvMp3PlayForm.h"
#include "TOption.h"
#include "TSkin.h"
#include "TSkinForm.h"

#include <QCoreApplication>
#include <QProcess>

WorkPage* CreateSkinManagerPage(PlayerApplication& p, QWidget* parent) {
    SkinManagerHooks hooks;
    hooks.programFolder = ProgramFolder();
    hooks.loadMainFace = [&p](const QString& file) {
        return p.skin().skin().LoadSkin(&p.mainWindow(), file, 0);
    };
    hooks.loadControlBar = [&p](const QString& file) {
        if (TFrameForm* display = p.displayWindow())
            p.skin().skin().LoadSkin(display->CtrlPanel(), file, 2);
    };
    hooks.currentSkin = [&p] { return PlayerSettings::Skin(p.store()); };
    hooks.showMessage = [&p](const QString& text, int flags) { p.messenger().ShowMessageBox(text, flags); };
    hooks.openFile = [&p](const QString& title, const QString& folder, const QString& filter) {
        return p.messenger().Modal(
            [&](DialogLayer& dialogs) { return dialogs.OpenFile(title, folder, filter); });
    };
    hooks.recentFolder = [&p] { return p.option().RecentFolder(); };
    hooks.setRecentFolder = [&p](const QString& folder) { p.option().SetRecentFolder(folder); };
    hooks.doCommand = [&p](const QString& command) { p.DoCommand(command); };
    hooks.siteBase = p.site().SiteBase();
    hooks.findEditor = [&p](const QString& file) {
        return FindSkinEditor(p.store(), file, QCoreApplication::applicationFilePath());
    };
    hooks.startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return new TSkinForm(std::move(hooks), parent);
}
