#pragma once

#include <functional>
#include <memory>
#include <QObject>

class PlayerApplication;
class PlayerInput;
class TInfomation;
class TSkin;

// The skin engine's place in the running player: it creates the information
// display and the skin engine in their place among the global objects, dresses
// the main window and the display window's control bar, and installs the
// commands it carries out ("#Skin", "#SwitchSmall", "#Extract", "#List"; also
// "#List,Delete", the main window's Delete key). It also turns the main
// window's keys and mouse wheel into commands (PlayerInput).
class SkinLayer : public QObject {
    Q_OBJECT
public:
    // Creates the objects; called right after TOption exists.
    explicit SkinLayer(PlayerApplication& player);
    ~SkinLayer() override;

    // Connects to the other subsystems and installs the commands; called once
    // every global object, the dispatcher and the main window exist.
    void Install();
    // The close sequence: the skin engine releases its windows.
    void Close();

    TSkin& skin() { return *skin_; }
    TInfomation& information() { return *info_; }

    // Indicator groups of other windows (3 lyrics window shown, 4 tag window
    // open, 8 lyrics found, 1 file manager, 6 options window): value 0 or 1.
    void SetGroupValue(int group, int value);
    // "#Display" with a skin: the main window's display area, when it has one,
    // is opened (mode 1) or toggled (mode 0); false when it has none.
    bool DisplayArea(int mode);
    // "#Minimize" switches the scrolling title off, "#Normal" on again.
    void SetInformationEnabled(bool on);
    // Removes the selected rows of the main window's play list, as its Delete
    // key does; false when the face has no play list.
    bool DeleteListSelection();
    // What "#Skin" without a file does: the skin manager's page of the tool
    // window, installed by whoever builds that page.
    void SetSkinManagerPage(std::function<void()> open) { openSkinManager_ = std::move(open); }

protected:
    // The scrolling title runs only while the main window is on screen,
    // whether the player or the window manager minimized or hid it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void installCommands();

    PlayerApplication& player_;
    std::unique_ptr<TInfomation> info_;
    std::unique_ptr<TSkin> skin_;
    std::unique_ptr<PlayerInput> input_;
    std::function<void()> openSkinManager_;
};
