#pragma once

#include "BrowserModuleApi.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QWebEngineProfile;
class QWebEngineView;

// What the browser window needs from the running player: what the player
// hands the module, and the web engine profile the module made.
struct TWebFormContext : BrowserWindowSetup {
    QWebEngineProfile* profile = nullptr;
};

// The browser window of the lyrics site: Home, Refresh, Stop, Back and
// Forward, the visible browser, a hidden one for the site's downlrc page, a
// status panel, and the caption following the page title. Every navigation of
// both browsers goes through the link rules first.
class TWebForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TWebForm(TWebFormContext context, QWidget* parent = nullptr);

    // Stores the address and loads it in the visible browser.
    Q_INVOKABLE void Navigate(const QString& url);
    QString Url() const { return url_; }
    QWebEngineView* browser() const { return browser_; }

signals:
    void pageLoaded(bool ok);
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool navigation(const QUrl& target, const QUrl& origin);
    void download(const QString& link);

    TWebFormContext context_;
    QString url_;
    QWebEngineView* browser_ = nullptr;
    QWebEngineView* hiddenBrowser_ = nullptr; // "WebBrowser": only the downlrc page
    QLabel* status_ = nullptr;
    bool intercepted_ = false; // the last navigation was taken over by the link rules
};
