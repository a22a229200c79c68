#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <memory>

class BuiltinSite;
class LrclibClient;
class LyricsAutoFetch;
class LyricsDownloader;
class PlayerApplication;

// The browser window's place in the running player: "#Explorer" and
// "#Explorer,<address>". Nothing of the web engine is created before the
// first "#Explorer": the window, its profile and the built-in site come then.
class BrowserLayer : public QObject {
    Q_OBJECT
public:
    explicit BrowserLayer(PlayerApplication& player);
    ~BrowserLayer() override;

    void Install();
    void Close();

    // Creates the window if needed, restores and shows it, and loads the
    // address (the site's home page when empty).
    void Explore(const QString& address);

    QMainWindow* window() const { return form_.data(); }
    // The LRCLIB client and the built-in site, created on first use; null
    // when the network module cannot be loaded (the user told why when
    // `tellUser`).
    LrclibClient* lrclib(bool tellUser);
    BuiltinSite* site(bool tellUser);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The browser module's window factory, loaded on first use; null when it cannot be loaded.
    QMainWindow* createWindow();
    void saveLyrics(const QString& file, const QString& name);
    // Automatic lyrics fetch ([LYRICS] AUTOFETCH): a new song without lyrics
    // is asked for once its length is known.
    void songLoaded();
    void durationKnown(int seconds);

    PlayerApplication& player_;
    std::unique_ptr<LrclibClient> lrclib_;
    std::unique_ptr<BuiltinSite> site_;
    std::unique_ptr<LyricsDownloader> downloader_;
    std::unique_ptr<LyricsAutoFetch> autoFetch_;
    QString fetchFor_; // the current song while its lyrics may be fetched
    QPointer<QMainWindow> form_;
};

// The User-Agent of the player's requests: its name and version.
QByteArray PlayerUserAgent();
