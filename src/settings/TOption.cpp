#include "TOption.h"

#include "HandedOverFiles.h"

#include <algorithm>

namespace {
const QString kOption = QStringLiteral("OPTION");
constexpr int kTrayTipLength = 63;
} // namespace

TOption::TOption(OptionsStore& store, QObject* parent) : QObject(parent), store_(store) {
    // The queue runs "after the current event": a zero-delay single shot.
    queueTimer_.setSingleShot(true);
    queueTimer_.setInterval(0);
    connect(&queueTimer_, &QTimer::timeout, this, &TOption::drainQueue);
    tickTimer_.setInterval(100);
    connect(&tickTimer_, &QTimer::timeout, this, &TOption::onTick);
    recentFolder_ = store_.ReadPath(QStringLiteral("PATHS"), QStringLiteral("RECENT"), QString());
}

TOption::~TOption() { store_.WriteString(QStringLiteral("PATHS"), QStringLiteral("RECENT"), recentFolder_); }

void TOption::PostCommand(const QString& command) {
    queue_.push_back(command);
    queueTimer_.start();
}

void TOption::drainQueue() {
    queueTimer_.stop();
    // Each entry is taken off the queue before it runs: a command that opens a
    // modal window lets the queue drain again inside that window's event loop,
    // and the running command must not be run a second time from there.
    while (!queue_.empty()) {
        QString command = queue_.front();
        queue_.pop_front();
        // Lists handed over by later starts that are already waiting run as
        // one add batch: one song change for all of them, so that a command
        // behind them (a quit) is not kept waiting by each in turn.
        if (IsHandedOverFileList(command))
            while (!queue_.empty() && IsHandedOverFileList(queue_.front())) {
                JoinHandedOverFileLists(command, queue_.front());
                queue_.pop_front();
            }
        if (runner_)
            runner_(command);
    }
}

void TOption::onTick() {
    if (tick_ < 9)
        SetTick(tick_ + 1);
}

int TOption::tenthsSinceReport() const {
    return sinceReport_.isValid() ? int(std::min<qint64>(9, sinceReport_.elapsed() / 100)) : 0;
}

int TOption::PositionTenthsNow() const {
    if (tickTimer_.isActive() || status_ != StatusPlaying)
        return positionTenths_;
    return engineTimeTenths_ + tenthsSinceReport();
}

void TOption::WantTicks(const QObject* user, bool want) {
    if (!user)
        return;
    const bool known = tickUsers_.contains(user);
    if (want && !known) {
        tickUsers_.append(user);
        connect(user, &QObject::destroyed, this, [this, user] {
            tickUsers_.removeAll(user);
            updateTickTimer(false);
        });
    } else if (!want && known) {
        tickUsers_.removeAll(user);
        disconnect(user, &QObject::destroyed, this, nullptr);
    }
    updateTickTimer(want);
}

void TOption::updateTickTimer(bool catchUp) {
    const bool run = status_ == StatusPlaying && !tickUsers_.isEmpty();
    if (run == tickTimer_.isActive())
        return;
    if (run) {
        // Wanted between two reports: the first tick shows the time played.
        if (catchUp && tick_ < tenthsSinceReport())
            SetTick(tenthsSinceReport());
        tickTimer_.start();
    } else {
        tickTimer_.stop();
    }
}

void TOption::Load() {
    SetShuffle(store_.ReadBool(kOption, QStringLiteral("SHUFFER"), shuffle_));
    SetRepeat(store_.ReadBool(kOption, QStringLiteral("REPEAT"), repeat_));
    SetTimeMode(store_.ReadBool(kOption, QStringLiteral("TIMEMODE"), timeMode_));
    SetAlwaysOnTop(store_.ReadBool(kOption, QStringLiteral("ALWAYSTOP"), alwaysOnTop_));
    SetSinglePlay(store_.ReadBool(kOption, QStringLiteral("SINGLEPLAY"), singlePlay_));
    SetCurrentIndex(currentIndex_);
    emit loaded();
}

void TOption::SetShuffle(bool flag) {
    shuffle_ = flag;
    emit shuffleChanged(flag);
    store_.WriteBool(kOption, QStringLiteral("SHUFFER"), flag);
}

void TOption::SetRepeat(bool flag) {
    repeat_ = flag;
    emit repeatChanged(flag);
    store_.WriteBool(kOption, QStringLiteral("REPEAT"), flag);
}

void TOption::SetSinglePlay(bool flag) {
    singlePlay_ = flag;
    store_.WriteBool(kOption, QStringLiteral("SINGLEPLAY"), flag);
    emit singlePlayChanged(flag);
}

void TOption::SetAlwaysOnTop(bool flag) {
    alwaysOnTop_ = flag;
    emit alwaysOnTopChanged(flag);
    store_.WriteBool(kOption, QStringLiteral("ALWAYSTOP"), flag);
}

void TOption::SetTimeMode(bool flag) {
    timeMode_ = flag;
    emit timeModeChanged(flag);
    emit positionChanged(position_);
    emit tickChanged(positionTenths_);
    store_.WriteBool(kOption, QStringLiteral("TIMEMODE"), flag);
}

void TOption::SetMute(bool flag) {
    mute_ = flag;
    emit muteChanged(flag);
}

void TOption::SetCurrentIndex(int index) {
    currentIndex_ = index;
    emit currentIndexChanged(index);
}

void TOption::SetStatus(int status) {
    // What was played since the last report stays counted; time spent paused
    // or stopped is not time played.
    if (status_ == StatusPlaying && status != StatusPlaying && tick_ < tenthsSinceReport())
        SetTick(tenthsSinceReport());
    status_ = status;
    if (status != StatusPlaying)
        sinceReport_.invalidate();
    updateTickTimer(false);
    if (status == StatusStopped) {
        SetTitle(title_);
        SetPosition(0);
        engineTimeTenths_ = 0;
        SetTick(0);
    } else if (status == StatusPlaying) {
        SetTitle(title_);
    }
    emit statusChanged(status);
}

void TOption::SetPosition(int seconds) {
    position_ = seconds;
    emit positionChanged(seconds);
}

void TOption::SetTick(int tick) {
    tick_ = tick;
    positionTenths_ = engineTimeTenths_ + tick;
    emit tickChanged(positionTenths_);
}

void TOption::ReportEngineTime(int seconds) {
    engineTimeTenths_ = seconds * 10;
    sinceReport_.start();
    SetTick(0);
    if (!positionDragging_)
        SetPosition(seconds);
}

void TOption::SetDuration(int seconds) {
    duration_ = seconds;
    emit durationChanged(seconds);
}

void TOption::SetTitle(const QString& title) {
    title_ = title;
    emit titleChanged(Title());
}

void TOption::SetStreamTitle(const QString& title) {
    if (title == streamTitle_)
        return;
    streamTitle_ = title;
    emit titleChanged(Title());
}

void TOption::SetVolume(int volume) {
    volume_ = volume;
    emit volumeChanged(volume);
}

void TOption::SetBalance(int balance) {
    balance_ = balance;
    emit balanceChanged(balance);
}

void TOption::SetInteractive(bool flag) {
    interactive_ = flag;
    emit interactiveChanged(flag);
}

QString TOption::ApplicationTitle() const {
    const QString product = QString::fromUtf8(kProductName);
    if (!Title().isEmpty() && status_ == StatusPlaying)
        return Title() + QStringLiteral(" - ") + product;
    return product;
}

QString TOption::TrayTip() const {
    if (Title().isEmpty())
        return QString::fromUtf8(kProductName);
    return (QStringLiteral("- ") + Title() + QStringLiteral(" -")).left(kTrayTipLength);
}

QString TOption::LyricsCaption() const {
    return Title().isEmpty() ? tr("Lyrics Shower") : tr("%1 - Lyrics Shower").arg(Title());
}
