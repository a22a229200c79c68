#pragma once

#include <QList>
#include <QRect>
#include <QString>

class OptionsStore;
class QWidget;

// Window places are kept in "Options.ini", in a section named after the
// window's class (its objectName, e.g. "TKvMp3PlayForm"): Left, Top, Width,
// Height of the restored rectangle and Maximized.

// The rectangle to give a window: a sizeable window takes its stored size
// (default: its current size); every window takes its stored position
// (default: centred on the virtual screen, integer division).
struct Placement {
    QRect rect;
    bool maximize = false;
};
Placement ReadPlacement(const OptionsStore& store, const QString& section, bool sizeable, const QSize& current,
                        const QRect& virtualScreen);

// The place to give a window whose saved place may lie off every screen (a
// screen removed since, a hand-edited file): kept when a grabbable part of it,
// top edge included, is on one of `screens`; otherwise moved onto the screen
// nearest to it, inside it as far as it fits.
QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens);

// A window is sizeable unless its minimum and maximum sizes are the same.
void LoadWindowPlacement(QWidget& window, const OptionsStore& store);
void SaveWindowPlacement(const QWidget& window, OptionsStore& store);
