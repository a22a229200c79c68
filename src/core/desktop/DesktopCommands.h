#pragma once

#include <QString>
#include <functional>

class FileAssociations;
class Messenger;
class OptionsStore;
class SiteAddresses;
class TCommandDispatcher;
class TextFetcher;

// The start-up association check: for the first of the player's file types
// (";"-separated "*.ext" patterns) that does not open with the player, asks
// once whether to fix it, with the "Always Check" box that CHECKACC keeps.
// A yes opens the options window ("#Setup"), where the user picks the types.
void CheckLink(FileAssociations& associations, const QString& fileTypes, Messenger& messenger,
               OptionsStore& store, const std::function<void(const QString&)>& run);

// The update check: fetches the site's "update.inf" and, when it lists a date
// after this release and a page, offers to open that page in the browser
// window. Messages only when `showMessages`.
void CheckUpdate(const SiteAddresses& site, TextFetcher& fetcher, Messenger& messenger,
                 const std::function<void(const QString&)>& run, bool showMessages);

// Limits of the update file download: what the site sends is a few lines.
constexpr qint64 kUpdateFileMaxBytes = 64 * 1024;
constexpr int kUpdateFileTimeoutMs = 8000;

struct DesktopCommandPorts {
    FileAssociations* associations = nullptr;
    Messenger* messenger = nullptr;
    OptionsStore* store = nullptr;
    const SiteAddresses* site = nullptr;
    std::function<QString()> fileTypes;
    QString programPath;
    std::function<void(const QString&)> run;
    // What fetches the update file, loaded at its first use; null when it
    // cannot be had (the user has been told why).
    std::function<TextFetcher*()> fetcher;
};

// Installs "#CheckLink", "#CheckUpdate" and "#CreateShortcut".
void InstallDesktopCommands(TCommandDispatcher& dispatcher, DesktopCommandPorts ports);
