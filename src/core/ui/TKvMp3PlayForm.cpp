#include "TKvMp3PlayForm.h"

#include "TOption.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString clockText(int seconds) {
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

TKvMp3PlayForm::TKvMp3PlayForm(const TOption& option)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), option_(option) {
    setObjectName(QStringLiteral("TKvMp3PlayForm"));
    setWindowTitle(QString::fromUtf8(kProductName));
    setFixedSize(428, 249); // the design client size; a skin sizes the window to its face
    setAcceptDrops(true);
    // The skin's pictures cover the whole window: nothing is erased under them.
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);

    plain_ = new QWidget(this);
    plain_->setAutoFillBackground(true);
    plain_->setGeometry(0, 0, 428, 249);
    auto* layout = new QVBoxLayout(plain_);
    title_ = new QLabel(plain_);
    title_->setAlignment(Qt::AlignCenter);
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 3);
    title_->setFont(big);
    time_ = new QLabel(plain_);
    time_->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(title_);
    layout->addWidget(time_);
    layout->addStretch();

    buttons_ = new QWidget(plain_);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons_);
    addButton(tr("Open"), QStringLiteral("#OpenFile"), tr("Add files"));
    addButton(tr("Prev"), QStringLiteral("#Prev"), tr("Previous song"));
    addButton(tr("Play"), QStringLiteral("#PlayPause"), tr("Play or pause"));
    addButton(tr("Stop"), QStringLiteral("#Stop"), tr("Stop"));
    addButton(tr("Next"), QStringLiteral("#Next"), tr("Next song"));
    addButton(tr("Lyrics"), QStringLiteral("#Lyrics"), tr("Show the lyrics"));

    connect(&option_, &TOption::titleChanged, this, &TKvMp3PlayForm::showTitle);
    connect(&option_, &TOption::statusChanged, this, &TKvMp3PlayForm::showTitle);
    connect(&option_, &TOption::positionChanged, this, &TKvMp3PlayForm::showTime);
    connect(&option_, &TOption::durationChanged, this, &TKvMp3PlayForm::showTime);
    showTitle();
    showTime();
}

void TKvMp3PlayForm::ShowPlainFace(bool on) {
    if (on) {
        clearMask();
        setFixedSize(428, 249);
        plain_->setGeometry(rect());
        plain_->raise();
    }
    plain_->setVisible(on);
}

bool TKvMp3PlayForm::PlainFaceShown() const {
    return plain_->isVisibleTo(this);
}

QPushButton* TKvMp3PlayForm::addButton(const QString& caption, const QString& command, const QString& tip) {
    auto* button = new QPushButton(caption, buttons_);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    buttons_->layout()->addWidget(button);
    return button;
}

void TKvMp3PlayForm::showTitle() {
    title_->setText(option_.Title().isEmpty() ? QString::fromUtf8(kProductName) : option_.Title());
}

void TKvMp3PlayForm::showTime() {
    time_->setText(clockText(option_.Position()) + QStringLiteral(" / ") + clockText(option_.Duration()));
}

void TKvMp3PlayForm::closeEvent(QCloseEvent* event) {
    // The application runs the close sequence and ends; the window itself is
    // freed with the other objects afterwards.
    event->ignore();
    emit closeRequested();
}

