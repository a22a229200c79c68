#pragma once

#include <QObject>

class PlayerApplication;

// The lyrics windows' place in the running player: the lyrics window (created
// on first use by "#Lyrics") and the tag windows ("#ID3").
class LyricsLayer : public QObject {
    Q_OBJECT
public:
    explicit LyricsLayer(PlayerApplication& player);
    ~LyricsLayer() override;

    // Connects to the other subsystems and installs the commands.
    void Install();
    // The main window's destruction closes the lyrics window.
    void Close();

private:
    PlayerApplication& player_;
};
