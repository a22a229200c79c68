#include "PlayerTray.h"

#include "TOption.h"

#include <QGuiApplication>

PlayerTray::PlayerTray(const TOption& option, CommandRunner run, QObject* parent)
    : QObject(parent), option_(option), run_(std::move(run)), icon_(std::make_unique<QSystemTrayIcon>()) {
    icon_->setIcon(QGuiApplication::windowIcon());
    showTip();
    connect(&option_, &TOption::titleChanged, this, &PlayerTray::showTip);
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &PlayerTray::Activate);
    if (QSystemTrayIcon::isSystemTrayAvailable() && !icon_->icon().isNull())
        icon_->show();
}

PlayerTray::~PlayerTray() {
    Remove();
}

QStringList PlayerTray::CommandsFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return {QStringLiteral("#OnTop"), QStringLiteral("#OnTop")};
    case QSystemTrayIcon::DoubleClick:
        return {QStringLiteral("#Minimize")};
    case QSystemTrayIcon::Context:
        return {QStringLiteral("#Menu")};
    default:
        return {};
    }
}

void PlayerTray::Activate(QSystemTrayIcon::ActivationReason reason) {
    if (!option_.Interactive())
        return;
    for (const QString& command : CommandsFor(reason))
        run_(command);
}

void PlayerTray::Remove() {
    if (icon_)
        icon_->hide();
}

void PlayerTray::showTip() {
    if (icon_)
        icon_->setToolTip(option_.TrayTip());
}
