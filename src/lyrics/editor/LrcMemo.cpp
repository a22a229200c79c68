#include "LrcMemo.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

QString FirstDroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

LrcMemo::LrcMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("Memo"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void LrcMemo::dragEnterEvent(QDragEnterEvent* event) {
    if (FirstDroppedFile(event->mimeData()).isEmpty()) {
        QPlainTextEdit::dragEnterEvent(event);
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
}

void LrcMemo::dragMoveEvent(QDragMoveEvent* event) {
    if (FirstDroppedFile(event->mimeData()).isEmpty()) {
        QPlainTextEdit::dragMoveEvent(event);
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
}

void LrcMemo::dropEvent(QDropEvent* event) {
    const QString file = FirstDroppedFile(event->mimeData());
    if (file.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
    emit fileDropped(file);
}
