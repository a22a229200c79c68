#include "SiteScheme.h"

#include "BuiltinSite.h"

#include <QBuffer>
#include <QPointer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

void RegisterSiteScheme() {
    QWebEngineUrlScheme scheme(BuiltinSite::kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
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
