#include "OptionsPage.h"

#include "DialogLayer.h"
#include "LyricsLayer.h"
#include "Messenger.h"
#include "PlayerApplication.h"
#include "TLrcForm.h"
#include "TOptionForm.h"
#include "TPlus.h"

WorkPage* CreateOptionsPage(PlayerApplication& p, QWidget* parent) {
    OptionFormPorts ports;
    ports.store = &p.store();
    ports.option = &p.option();
    ports.shortKey = &p.shortKey();
    ports.associations = &p.associations();
    ports.animate = &p.animate();
    ports.fileTypes = [&p] { return p.plus().FileTypes(); };
    ports.doCommand = [&p](const QString& command) { p.DoCommand(command); };
    ports.reloadLyrics = [&p] {
        if (TLrcForm* lyrics = p.lyrics().lyricsWindow())
            lyrics->LoadLyricsOptions();
    };
    ports.chooseColor = [&p](ColorRef initial) {
        return p.messenger().Modal([&](DialogLayer& dialogs) { return dialogs.ChooseColor(initial); });
    };
    ports.chooseFont = [&p](const FontSpec& initial) {
        return p.messenger().Modal([&](DialogLayer& dialogs) { return dialogs.ChooseFont(initial); });
    };
    ports.choosePicture = [&p](const QString& title, const QString& filter) {
        return p.messenger().Modal(
            [&](DialogLayer& dialogs) { return dialogs.OpenFile(title, QString(), filter); });
    };
    ports.showMessage = [&p](const QString& text, int flags) { p.messenger().ShowMessageBox(text, flags); };
    return new TOptionForm(std::move(ports), parent);
}
