#include "DropTargets.h"

#include "FileAdder.h"
#include "FileName.h"
#include "TOption.h"
#include "TPlay.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

bool isStreamLink(const QUrl& url) {
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("ftp"), QStringLiteral("mms")};
    return url.isValid() && !url.host().isEmpty() && schemes.contains(url.scheme().toLower());
}

} // namespace

DropTargets::DropTargets(FileAdder& adder, const TOption& option, QObject* parent)
    : QObject(parent), adder_(adder), option_(option) {}

void DropTargets::Install(QWidget& window) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

DropTargets::Drop DropTargets::Classify(const QMimeData& data) {
    Drop drop;
    if (data.hasUrls()) {
        for (const QUrl& url : data.urls())
            if (url.isLocalFile())
                drop.paths << LocalFileOfUrl(url);
        if (!drop.paths.isEmpty()) {
            drop.kind = Kind::Files;
            return drop;
        }
        for (const QUrl& url : data.urls()) {
            if (isStreamLink(url)) {
                drop.kind = Kind::Link;
                drop.url = url.toString();
                return drop;
            }
        }
    }
    if (data.hasText()) {
        const QString text = data.text().trimmed();
        const QUrl url(text, QUrl::StrictMode);
        if (!text.contains(QLatin1Char('\n')) && isStreamLink(url)) {
            drop.kind = Kind::Link;
            drop.url = text;
        }
    }
    return drop;
}

bool DropTargets::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const Drop drop = Classify(*drag->mimeData());
        if (drop.kind == Kind::Files) {
            drag->acceptProposedAction();
        } else if (drop.kind == Kind::Link && option_.Interactive()) {
            drag->setDropAction(Qt::LinkAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop: {
        auto* dropEvent = static_cast<QDropEvent*>(event);
        const Drop drop = Classify(*dropEvent->mimeData());
        if (drop.kind == Kind::Files) {
            dropEvent->acceptProposedAction();
            // The batch (and any message it shows) runs after the drop, so
            // that the program the drag came from is not kept waiting.
            QTimer::singleShot(0, this,
                               [this, paths = drop.paths] { adder_.DropFiles(paths, TPlay::kDefaultId); });
        } else if (drop.kind == Kind::Link && option_.Interactive()) {
            dropEvent->setDropAction(Qt::LinkAction);
            dropEvent->accept();
            QTimer::singleShot(0, this, [this, url = drop.url] { adder_.AddUrl(url); });
        } else {
            dropEvent->ignore();
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
