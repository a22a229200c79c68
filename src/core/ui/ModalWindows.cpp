#include "ModalWindows.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

void CloseModalWindows() {
    // Bounded: a window that refuses to close is not waited for.
    for (int i = 0; i < 32; ++i) {
        if (QWidget* popup = QApplication::activePopupWidget()) { // an open menu
            popup->close();
            continue;
        }
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }
}
