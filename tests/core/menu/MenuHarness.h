#pragma once

// A small stand-in for the running player: the state, a dispatcher with the
// main window's hide and restore commands, a plain main window and the menu
// layer attached to them. Commands that reach the dispatcher are recorded.
#include "DialogLayer.h"
#include "MenuLayer.h"
#include "OptionsStore.h"
#include "TCommandDispatcher.h"
#include "TempHome.h"
#include "TOption.h"

#include <memory>
#include <QStringList>
#include <QWidget>

class RecordingDialogs : public DialogLayer {
public:
    QStringList messages;
    int MessageBox(const QString& text, const QString&, int) override {
        messages << text;
        return MsgBox::IdOk;
    }
    int AskWithCheckBox(const QString&, const QString&, const QString&, bool&, int) override {
        return MsgBox::IdOk;
    }
    QStringList OpenFiles(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<ColorRef> ChooseColor(ColorRef) override { return std::nullopt; }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override { return std::nullopt; }
};

struct MenuHarness {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TCommandDispatcher dispatcher{option};
    QWidget mainWindow;
    QStringList ran;    // every command run, in order
    QStringList posted; // commands posted for later
    QStringList shellOpened;
    std::unique_ptr<MenuLayer> layer;

    explicit MenuHarness(std::function<QString(const QString&)> shortCutOf = {}) {
        mainWindow.setObjectName("TKvMp3PlayForm");
        mainWindow.resize(428, 249);
        dispatcher.SetShellOpen([this](const QString& s) { shellOpened << s; });
        // What the player's window commands do to the main window.
        dispatcher.SetHandler("#MINIMIZE", [this](const CommandCall&) {
            if (mainWindow.isVisible())
                mainWindow.hide();
            else
                dispatcher.DoCommand("#Normal");
        });
        dispatcher.SetHandler("#NORMAL", [this](const CommandCall&) {
            if (mainWindow.isMinimized())
                mainWindow.showNormal();
            mainWindow.show();
            option.SetAlwaysOnTop(!option.AlwaysOnTop());
            option.SetAlwaysOnTop(!option.AlwaysOnTop());
        });
        dispatcher.SetHandler("#ONTOP", [this](const CommandCall& c) {
            option.SetAlwaysOnTop(c.argument.isEmpty() ? !option.AlwaysOnTop() : c.argument == "1");
        });
        MenuLayer::Ports ports;
        ports.option = &option;
        ports.dispatcher = &dispatcher;
        ports.run = [this](const QString& c) {
            ran << c;
            dispatcher.DoCommand(c);
        };
        ports.post = [this](const QString& c) { posted << c; };
        ports.shortCutOf = std::move(shortCutOf);
        ports.pages = {"http://site.test/aboutme.htm", "http://site.test/index.php", "http://site.test/help/",
                       "http://site.test/cn/lrcindex.php", "http://site.test/cn/upload/lrcupload.htm"};
        ports.mainWindow = &mainWindow;
        mainWindow.show();
        layer = std::make_unique<MenuLayer>(ports);
    }
};
