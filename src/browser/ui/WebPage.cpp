#include "WebPage.h"

WebPage::WebPage(QWebEngineProfile* profile, Handler handler, QObject* parent)
    : QWebEnginePage(profile, parent), handler_(std::move(handler)) {}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return !handler_ || handler_(url, this->url());
}
