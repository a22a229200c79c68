#include "CommandInbox.h"

#include "CommandText.h"
#include "HandedOverFiles.h"

CommandInbox::CommandInbox(int gatherMs, QObject* parent) : QObject(parent) {
    gatherTimer_.setSingleShot(true);
    gatherTimer_.setInterval(gatherMs);
    connect(&gatherTimer_, &QTimer::timeout, this, &CommandInbox::postGathered);
}

void CommandInbox::SetQuitRequest(std::function<void()> request) { quitRequest_ = std::move(request); }

void CommandInbox::Take(const QString& command) {
    if (sink_) {
        post(command);
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
        post(command);
    // What was held is posted now, gathered into as few lists as it can be.
    postGathered();
}

void CommandInbox::post(const QString& command) {
    if (IsHandedOverFileList(command)) {
        if (gathered_.isEmpty())
            gathered_ = command;
        else
            JoinHandedOverFileLists(gathered_, command);
        if (!gatherTimer_.isActive())
            gatherTimer_.start();
        return;
    }
    // Anything else keeps its place after the lists that came before it.
    postGathered();
    sink_(command);
}

void CommandInbox::postGathered() {
    gatherTimer_.stop();
    if (gathered_.isEmpty())
        return;
    const QString list = std::move(gathered_);
    gathered_.clear();
    sink_(list);
}
