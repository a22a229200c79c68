#include "TFrameForm.h"

#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QVBoxLayout>

TFrameForm::TFrameForm(OptionsStore& store) : QWidget(nullptr, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("TFrameForm"));
    setWindowTitle(QStringLiteral("Sorvi Display"));
    resize(320, 240);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    client_->setPalette(palette);
    layout->addWidget(client_);
}

quintptr TFrameForm::DisplayCtrlId() { return isVisible() ? quintptr(client_->winId()) : 0; }

void TFrameForm::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; its place is remembered and drops stop.
    event->ignore();
    hide();
    SaveWindowPlacement(*this, store_);
    setAcceptDrops(false);
}

void TFrameForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFrameForm::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    emit filesDropped(paths);
}
