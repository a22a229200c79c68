#include "DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void OpenWithDesktop(const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}
