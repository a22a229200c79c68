#include "TSplashForm.h"

#include "TOption.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TSplashForm::TSplashForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TSplashForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(299, 199);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(1500);
    connect(&closeTimer_, &QTimer::timeout, this, &QWidget::close);
}

void TSplashForm::Finish() { closeTimer_.start(); }

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x1d, 0x2b, 0x3a));
    fill.setColorAt(1, QColor(0x0e, 0x15, 0x1d));
    p.fillRect(rect(), fill);
    p.setPen(QColor(0x3d, 0xc2, 0xb0));
    QFont title = font();
    title.setPointSize(18);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, QStringLiteral("Sorvi"));
    QFont sub = font();
    sub.setPointSize(9);
    p.setFont(sub);
    p.setPen(QColor(0xc8, 0xd3, 0xdc));
    p.drawText(rect().adjusted(0, 40, 0, 0), Qt::AlignCenter, QString::fromUtf8(kProductName));
}
