#pragma once

#include "CommandText.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class TOption;

// What a command handler receives.
struct CommandCall {
    QString name;     // upper-cased vocabulary name, e.g. "#PLAY"
    QString argument; // everything after the first comma
    QObject* sender;  // the skin control that was clicked, or null
};

using CommandHandler = std::function<void(const CommandCall&)>;
using ShellOpen = std::function<void(const QString&)>;

// The one entry point for every user action: DoCommand matches the name against
// the vocabulary in its fixed order and runs the handler installed for it. Each
// subsystem installs the handlers of the commands it carries out; a name whose
// handler is not installed yet does nothing. Strings that are not "#" commands
// go to the shell's default open action.
class TCommandDispatcher {
public:
    explicit TCommandDispatcher(const TOption& option);

    // The vocabulary in comparison order (upper-cased names).
    static const QStringList& Vocabulary();

    // Installs the handler of one vocabulary name (any case). Returns false for a
    // name outside the vocabulary.
    bool SetHandler(const QString& name, CommandHandler handler);
    bool HasHandler(const QString& name) const;
    void SetShellOpen(ShellOpen open) { shellOpen_ = std::move(open); }

    void DoCommand(const QString& command, QObject* sender = nullptr);
    // How many commands are running now, one inside the other (a command that
    // opened a modal window, or ran another command, is still running).
    int depth() const { return depth_; }

private:
    int depth_ = 0;
    const TOption& option_;
    std::map<QString, CommandHandler> handlers_;
    ShellOpen shellOpen_;
};
