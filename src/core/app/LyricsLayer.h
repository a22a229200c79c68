#pragma once

#include <memory>
#include <QObject>
#include <QPointer>

class BrowserLayer;
class PlayerApplication;
class TLrcForm;
class TID3Forms;

// The lyrics windows' place in the running player: the lyrics window (created
// on first use by "#Lyrics") and the tag windows ("#ID3"). The signals carry
// the skin indicators: group 3 (lyrics window shown), 4 (a tag window open)
// and 8 (lyrics found).
class LyricsLayer : public QObject {
    Q_OBJECT
public:
    explicit LyricsLayer(PlayerApplication& player);
    ~LyricsLayer() override;

    // Connects to the other subsystems and installs the commands.
    void Install();
    // The main window's destruction closes the lyrics window and the tag windows.
    void Close();

    // "#Lyrics": creates the lyrics window on first use, shows it, restores it
    // when minimised.
    void ShowLyrics();
    // "#ID3" with its argument: a file, "SelectLyrics", or nothing (the current song).
    void OpenTag(const QString& argument);
    // The lyrics window's Options action: "#Setup", then the options
    // window's lyrics page.
    void ShowLyricsOptions();

    // The lyrics window while it exists, else null.
    TLrcForm* lyricsWindow() const;
    TID3Forms* tagWindows() const { return tagForms_.get(); }
    // The lyrics site's browser ("#Explorer").
    BrowserLayer& browser() { return *browser_; }

signals:
    void lyricsShownChanged(bool shown); // indicator group 3
    void tagWindowsChanged(int count);   // indicator group 4: on while count > 0
    void lyricsFoundChanged(bool found); // indicator group 8

private:
    PlayerApplication& player_;
    QPointer<TLrcForm> lyricsForm_;
    std::unique_ptr<TID3Forms> tagForms_;
    std::unique_ptr<BrowserLayer> browser_;
};
