#pragma once

#include <QWebEnginePage>
#include <functional>

// A page whose every navigation is first offered to one handler, which gets
// the target and the address of the page asking, and says whether it goes ahead.
class WebPage : public QWebEnginePage {
    Q_OBJECT
public:
    using Handler = std::function<bool(const QUrl& target, const QUrl& origin)>;
    WebPage(QWebEngineProfile* profile, Handler handler, QObject* parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    Handler handler_;
};
