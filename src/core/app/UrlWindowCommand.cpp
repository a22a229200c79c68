#include "PlayerApplication.h"

#include "FileAdder.h"
#include "TUrlForm.h"

#include <QPointer>

namespace {
// The one add-URL window; closing frees it and this forgets it.
QPointer<TUrlForm> urlWindow;
} // namespace

void PlayerApplication::OpenUrlWindow(int targetCategory) {
    if (closed_)
        return;
    if (!urlWindow) {
        urlWindow = new TUrlForm({*play_, *messenger_, store_, [this] { adder_->AfterAdd(false); }});
        urlWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &PlayerApplication::finished, urlWindow.data(), &QWidget::close);
        connect(this, &QObject::destroyed, urlWindow.data(), &QObject::deleteLater);
    }
    urlWindow->SetTargetCategory(targetCategory);
    if (urlWindow->isMinimized())
        urlWindow->showNormal();
    urlWindow->show();
    urlWindow->raise();
    urlWindow->activateWindow();
}
