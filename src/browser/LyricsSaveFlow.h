#pragma once

#include <QString>
#include <functional>

class TPlay;

// What saving a downloaded lyrics file needs from the running player.
struct LyricsSavePorts {
    TPlay& play;
    QString lyricsFolder; // ends with "/"
    // The save dialog (title, starting path with the offered name, filter); empty: cancelled.
    std::function<QString(const QString&, const QString&, const QString&)> saveDialog;
    // A message box (text, flags); returns the button pressed.
    std::function<int(const QString&, int)> message;
    // Reloads the lyrics window's lyrics when that window exists.
    std::function<void()> reloadLyrics;
};

// After a download: offers the save dialog in the lyrics folder (created if
// missing), copies the file over the chosen one, reports completion, asks to
// bind it to the current song when the lookup would not find it already (on
// OK the song's tag names it, the other tag fields unchanged) and reloads the
// lyrics window. Returns the saved path, empty when cancelled or failed.
QString SaveDownloadedLyrics(const QString& downloadedFile, const QString& offeredName, const LyricsSavePorts& ports);
