#pragma once

#include "LinkRules.h"

#include <QString>
#include <QStringList>
#include <functional>

class BuiltinSite;
class LyricsDownloader;
class QMainWindow;

// The browser window lives in a module of its own ("sorvi-browser.so" beside
// the executable), loaded on the first "#Explorer", so that the web engine
// costs nothing until the browser is opened. The player reaches it through
// one C function that builds a window from this setup.
struct BrowserWindowSetup {
    BuiltinSite* site = nullptr;
    LyricsDownloader* downloader = nullptr;
    LinkContext links;
    QStringList mountedBases; // site addresses served by the built-in site
    std::function<void(const QString&)> run; // runs a player command
    // A downloaded lyrics file (while it exists) and the name offered for it.
    std::function<void(const QString& file, const QString& name)> saveLyrics;
};

// The window (deleted on close) has an invokable Navigate(QString).
using CreateBrowserWindowFn = QMainWindow* (*)(const BrowserWindowSetup& setup);
inline constexpr const char* kBrowserModuleFile = "sorvi-browser.so";
inline constexpr const char* kCreateBrowserWindow = "sorvi_create_browser_window";
