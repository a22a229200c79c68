#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

// Commands handed over by later starts, from the moment the socket listens.
// Until the player is ready (its windows made, its start-up commands run, any
// start-up message box answered) they are held in order; Open() posts them and
// every later one. A quit ("#Exit") is announced at once as well, so that a
// start-up message box does not keep a player that was asked to end.
//
// Lists of files ("#OpenFile," with names each followed by NUL) that arrive
// within a short while of each other are posted as one list: many starts at
// once (a file manager opening fifty files) become one add batch and one song
// change instead of fifty, and nothing behind them waits for each in turn.
class CommandInbox : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(const QString&)>;

    explicit CommandInbox(int gatherMs = 50, QObject* parent = nullptr);

    void SetQuitRequest(std::function<void()> request);
    void Take(const QString& command);
    void Open(Sink sink);

private:
    void post(const QString& command);
    void postGathered();

    QStringList held_;
    QString gathered_; // a list of files waiting for more to join it
    QTimer gatherTimer_;
    Sink sink_;
    std::function<void()> quitRequest_;
};
