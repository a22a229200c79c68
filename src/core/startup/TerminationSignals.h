#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so that
// a desktop logout or a script's kill runs the normal close sequence (placement
// saved, playback stopped, pending tags written) instead of losing settings.
// It lives until the player is gone; once it goes, these signals are ignored,
// so a signal repeated during shutdown cannot end the process before its
// last writes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};
