#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Commands handed over by later starts, from the moment the socket listens.
// Until the player is ready (its windows made, its start-up commands run, any
// start-up message box answered) they are held in order; Open() posts them and
// every later one straight on. A quit ("#Exit") is announced at once as well,
// so that a start-up message box does not keep a player that was asked to end.
class CommandInbox {
public:
    using Sink = std::function<void(const QString&)>;

    void SetQuitRequest(std::function<void()> request);
    void Take(const QString& command);
    void Open(Sink sink);
    int held() const { return int(held_.size()); }

private:
    QStringList held_;
    Sink sink_;
    std::function<void()> quitRequest_;
};
