#pragma once

#include <QWidget>

// Window flags of a tool window that belongs to the main window (the lyrics
// window, a tag window). A plain top-level window would only get the Qt
// parent; on X11 a window is kept above its owner, also an owner that stays
// on top, only when it is a transient (WM_TRANSIENT_FOR), which Qt sets for
// dialog-type windows. So it is a dialog-type window that keeps the buttons of
// an ordinary one. Without an owner it is an ordinary window.
inline Qt::WindowFlags OwnedWindowFlags(const QWidget* owner) {
    if (!owner)
        return Qt::Window;
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
           Qt::WindowCloseButtonHint;
}
