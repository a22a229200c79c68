#include "WindowPlacement.h"

#include "OptionsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

Placement ReadPlacement(const OptionsStore& store, const QString& section, bool sizeable, const QSize& current,
                        const QRect& screen) {
    int width = current.width();
    int height = current.height();
    if (sizeable) {
        width = int(store.ReadInteger(section, QStringLiteral("Width"), width));
        height = int(store.ReadInteger(section, QStringLiteral("Height"), height));
    }
    const int left = int(store.ReadInteger(section, QStringLiteral("Left"), (screen.width() - width) / 2));
    const int top = int(store.ReadInteger(section, QStringLiteral("Top"), (screen.height() - height) / 2));
    Placement placement;
    placement.rect = QRect(left, top, width, height);
    placement.maximize = sizeable && store.ReadBool(section, QStringLiteral("Maximized"), false);
    return placement;
}

QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return rect;
    // Enough to see and grab: a strip of the window, with its top edge on the
    // same screen (a frameless skin is dragged by its face, a framed window by
    // its title bar).
    const int needWidth = qMin(rect.width(), 64), needHeight = qMin(rect.height(), 32);
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(rect);
        if (seen.width() >= needWidth && seen.height() >= needHeight && rect.top() >= screen.top() &&
            rect.top() <= screen.bottom())
            return rect;
    }
    auto distance = [&](const QRect& screen) {
        const QPoint centre = rect.center();
        const qint64 dx = centre.x() < screen.left() ? screen.left() - centre.x()
                          : centre.x() > screen.right() ? centre.x() - screen.right() : 0;
        const qint64 dy = centre.y() < screen.top() ? screen.top() - centre.y()
                          : centre.y() > screen.bottom() ? centre.y() - screen.bottom() : 0;
        return dx * dx + dy * dy;
    };
    QRect nearest = screens.first();
    for (const QRect& screen : screens)
        if (distance(screen) < distance(nearest))
            nearest = screen;
    QRect placed = rect;
    placed.moveLeft(qMax(nearest.left(), qMin(rect.left(), nearest.right() + 1 - rect.width())));
    placed.moveTop(qMax(nearest.top(), qMin(rect.top(), nearest.bottom() + 1 - rect.height())));
    return placed;
}

namespace {
bool isSizeable(const QWidget& window) { return window.minimumSize() != window.maximumSize(); }

QRect virtualScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}
} // namespace

void LoadWindowPlacement(QWidget& window, const OptionsStore& store) {
    const Placement placement =
        ReadPlacement(store, window.objectName(), isSizeable(window), window.size(), virtualScreen());
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    window.setGeometry(KeepOnScreens(placement.rect, screens));
    if (placement.maximize)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SaveWindowPlacement(const QWidget& window, OptionsStore& store) {
    const QRect rect = window.isMaximized() ? window.normalGeometry() : window.geometry();
    store.WriteStrings(window.objectName(), {
                                                {QStringLiteral("Left"), QString::number(rect.left())},
                                                {QStringLiteral("Top"), QString::number(rect.top())},
                                                {QStringLiteral("Width"), QString::number(rect.width())},
                                                {QStringLiteral("Height"), QString::number(rect.height())},
                                                {QStringLiteral("Maximized"), window.isMaximized() ? "1" : "0"},
                                            });
}
