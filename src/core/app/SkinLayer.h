#pragma once

#include <QObject>

class PlayerApplication;

// The skin engine's place in the running player: it creates the information
// display and the skin engine in their place among the global objects, dresses
// the main window and the display window's control bar, and installs the
// commands it carries out ("#Skin", "#SwitchSmall", "#Extract", "#List", ...).
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

private:
    PlayerApplication& player_;
};
