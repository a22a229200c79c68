#include "TWebForm.h"

#include "BuiltinSite.h"
#include "LyricsDownloader.h"
#include "WebPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineView>

TWebForm::TWebForm(TWebFormContext context, QWidget* parent)
    : QMainWindow(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("TWebForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sorvi Audio Player"));
    resize(820, 600);

    auto handler = [this](const QUrl& target, const QUrl& origin) { return navigation(target, origin); };
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setPage(new WebPage(context_.profile, handler, browser_));
    hiddenBrowser_ = new QWebEngineView(this);
    hiddenBrowser_->setObjectName(QStringLiteral("WebBrowser"));
    hiddenBrowser_->setPage(new WebPage(context_.profile, handler, hiddenBrowser_));
    hiddenBrowser_->hide();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setCentralWidget(central);

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setStyleSheet(QStringLiteral("QToolBar{background:#87ceeb;border:0}"
                                        "QToolButton{border:0;padding:3px 8px}"
                                        "QToolButton:hover{background:#b0e0f0}"));
    addToolBar(tools);
    auto add = [this, tools](const QString& caption, auto slot) {
        QAction* action = tools->addAction(caption, this, slot);
        if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(action)))
            button->setCursor(Qt::PointingHandCursor);
        return action;
    };
    add(tr("Home"), [this] { context_.run(QStringLiteral("#Explorer")); });
    add(tr("Refresh"), [this] { browser_->reload(); });
    add(tr("Stop"), [this] { browser_->stop(); });
    add(tr("Back"), [this] {
        if (browser_->history()->canGoBack())
            browser_->back();
    });
    add(tr("Forward"), [this] {
        if (browser_->history()->canGoForward())
            browser_->forward();
    });

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    status_ = new QLabel(this);
    status_->setMinimumWidth(50);
    statusBar()->addWidget(status_, 1);
    connect(browser_->page(), &QWebEnginePage::linkHovered, status_, &QLabel::setText);
    connect(browser_, &QWebEngineView::loadStarted, this, [this] { status_->setText(tr("Loading...")); });
    connect(browser_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        // A navigation the link rules took over ends as a failed load: not an error.
        if (ok || !intercepted_)
            status_->setText(ok ? tr("Done") : tr("The page cannot be shown."));
        intercepted_ = false;
        emit pageLoaded(ok);
    });
    connect(browser_, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        if (!title.isEmpty())
            setWindowTitle(title);
    });
}

void TWebForm::closeEvent(QCloseEvent* event) {
    emit closing();
    QMainWindow::closeEvent(event);
}

void TWebForm::Navigate(const QString& url) {
    const QUrl target = SiteAddress(url, context_.mountedBases);
    if (target.isEmpty())
        return;
    url_ = url;
    browser_->load(target);
}

bool TWebForm::navigation(const QUrl& target, const QUrl& origin) {
    const LinkDecision decision =
        ClassifyLink(target.toString(), origin.toString(), context_.links);
    intercepted_ = decision.kind != LinkDecision::Proceed;
    switch (decision.kind) {
    case LinkDecision::Proceed:
        return true;
    case LinkDecision::Ignore:
        return false;
    case LinkDecision::Command: {
        // Not inside the engine's callback: the command may open windows or close this one.
        const QString command = decision.text;
        auto run = context_.run;
        QTimer::singleShot(0, this, [run, command] { run(command); });
        return false;
    }
    case LinkDecision::Downlrc: {
        const QUrl page = SiteAddress(context_.links.siteBase + QStringLiteral("downlrc.php?") + decision.text,
                                      context_.mountedBases);
        QTimer::singleShot(0, this, [this, page] { hiddenBrowser_->load(page); });
        return false;
    }
    case LinkDecision::Download: {
        const QString link = decision.text;
        QTimer::singleShot(0, this, [this, link] { download(link); });
        return false;
    }
    }
    return false;
}

void TWebForm::download(const QString& link) {
    if (!context_.downloader)
        return;
    QPointer<TWebForm> self(this);
    status_->setText(tr("Downloading..."));
    DownloadLyricsLink(
        *context_.downloader, link,
        [self](const QString& file, const QString& name) {
            if (!self)
                return;
            self->status_->setText(QString());
            if (self->context_.saveLyrics)
                self->context_.saveLyrics(file, name);
        },
        [self] {
            if (self)
                self->context_.run(QStringLiteral("#Explorer,") + self->context_.links.siteBase +
                                   QStringLiteral("status.php?result=") + QString::fromUtf8("文件无法下载"));
        });
}
