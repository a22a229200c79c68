#pragma once

#include "PlusProcHooks.h"

#include <QByteArray>
#include <QObject>

class TOption;

// Carries out the messages plug-ins send to the player through PlusProc:
// progress reports go to the player state, category and display requests to the
// hooks, and any name without "%" is posted to the command queue as
// name "," argument. Lives on, and is called on, the main thread.
class TPlusProcHandler : public QObject {
    Q_OBJECT
public:
    explicit TPlusProcHandler(TOption& option, PlusProcHooks* hooks = nullptr, QObject* parent = nullptr);

    void SetHooks(PlusProcHooks* hooks) { hooks_ = hooks; }
    PlusProcHooks* Hooks() const { return hooks_; }

    // One message text: sender \1 message \1 argument. Returns the message's result.
    int Handle(const QByteArray& text);

private:
    void status(int value);

    TOption& option_;
    PlusProcHooks* hooks_;
};
