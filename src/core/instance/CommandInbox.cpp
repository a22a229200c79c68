#include "CommandInbox.h"

#include "CommandText.h"

void CommandInbox::SetQuitRequest(std::function<void()> request) { quitRequest_ = std::move(request); }

void CommandInbox::Take(const QString& command) {
    if (sink_) {
        sink_(command);
        return;
    }
    held_ << command;
    if (quitRequest_ && SplitCommand(command).name == QLatin1String("#EXIT"))
        quitRequest_();
}

void CommandInbox::Open(Sink sink) {
    sink_ = std::move(sink);
    const QStringList held = std::move(held_);
    held_.clear();
    for (const QString& command : held)
        sink_(command);
}
