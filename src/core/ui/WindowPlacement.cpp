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
    window.setGeometry(placement.rect);
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
