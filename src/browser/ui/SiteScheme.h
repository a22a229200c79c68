#pragma once

#include <QWebEngineUrlSchemeHandler>

class BuiltinSite;
class QWebEngineProfile;

extern const char* const kCommandScheme; // "kvscript"
extern const char* const kLyricsScheme;  // "lrc"

// Makes the built-in site's scheme and the link schemes the browser takes over known to Qt WebEngine. Must run before the
// QApplication is created; it does not start the web engine.
void RegisterSiteScheme();

// Answers the browser's requests for the built-in site from BuiltinSite.
class SiteSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit SiteSchemeHandler(BuiltinSite& site, QObject* parent = nullptr);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    BuiltinSite& site_;
};

// Answers nothing: the "kvscript" and "lrc" links are taken over before any
// request is made; a request that comes anyway (a sub-resource) is refused.
class RefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override;
};

// Installs the built-in site and the refusing handlers on a profile, and
// lets no unknown scheme go to the desktop.
void InstallSiteSchemes(QWebEngineProfile& profile, SiteSchemeHandler& site, QObject* owner);
