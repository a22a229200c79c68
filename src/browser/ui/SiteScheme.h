#pragma once

#include <QWebEngineUrlSchemeHandler>

class BuiltinSite;

// Makes the built-in site's scheme known to Qt WebEngine. Must run before the
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
