#include "SiteScheme.h"

#include "BuiltinSite.h"

#include <QBuffer>
#include <QPointer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlScheme>

const char* const kCommandScheme = "kvscript";
const char* const kLyricsScheme = "lrc";

void RegisterSiteScheme() {
    QWebEngineUrlScheme scheme(BuiltinSite::kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
    // The two link forms the browser takes over are made known schemes, so
    // that every navigation to them reaches the link rules instead of being
    // passed to the desktop as an unknown protocol.
    for (const char* name : {kCommandScheme, kLyricsScheme}) {
        QWebEngineUrlScheme links(name);
        links.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        QWebEngineUrlScheme::registerScheme(links);
    }
}

void InstallSiteSchemes(QWebEngineProfile& profile, SiteSchemeHandler& site, QObject* owner) {
    profile.installUrlSchemeHandler(BuiltinSite::kScheme, &site);
    auto* refuse = new RefusingSchemeHandler(owner);
    profile.installUrlSchemeHandler(kCommandScheme, refuse);
    profile.installUrlSchemeHandler(kLyricsScheme, refuse);
    profile.settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
}

void RefusingSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
}

SiteSchemeHandler::SiteSchemeHandler(BuiltinSite& site, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), site_(site) {}

void SiteSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    QPointer<QWebEngineUrlRequestJob> pending(job);
    site_.Serve(job->requestUrl(), [pending](const BuiltinSite::Reply& reply) {
        if (!pending)
            return; // the page went away while LRCLIB was asked
        if (reply.body.isEmpty()) {
            pending->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* buffer = new QBuffer(pending);
        buffer->setData(reply.body);
        buffer->open(QIODevice::ReadOnly);
        pending->reply(reply.mimeType, buffer);
    });
}
