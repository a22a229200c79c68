#include "TCommandDispatcher.h"

#include "CommandTrace.h"
#include "TOption.h"

const QStringList& TCommandDispatcher::Vocabulary() {
    // Comparison order matters: "#PLAYPAUSE" and "#PLAYSTOP" rewrite the name
    // and the comparison goes on with the rows below them.
    static const QStringList names = {
        "#PLAYSTATUSCHANGED", "#MENU", "#SWITCHSMALL", "#EXTRACT", "#WORKFORM", "#FILEMANAGE", "#URL",
        "#EDITLRC", "#LIST", "#DISPLAY", "#SEARCH", "#PLAYPAUSE", "#PLAYSTOP", "#PAUSE", "#PLAY", "#SKIN",
        "#STOP", "#SHUFFLE", "#REPEAT", "#TIME", "#LYRICS", "#OPENFILE", "#FORWARD", "#REWIND", "#SOUNDUP",
        "#SOUNDDOWN", "#SILENT", "#MINIMIZE", "#NORMAL", "#NEXT", "#PREV", "#ID3", "#ONTOP", "#ONLY",
        "#ABOUT", "#HELP", "#SETUP", "#SEARCHLRC", "#EXPLORER", "#CHECKLINK", "#CHECKUPDATE", "#EXIT",
        // The options window's Create Shortcut.
        "#CREATESHORTCUT",
    };
    return names;
}

TCommandDispatcher::TCommandDispatcher(const TOption& option) : option_(option) {}

bool TCommandDispatcher::SetHandler(const QString& name, CommandHandler handler) {
    const QString key = name.toUpper().trimmed();
    if (!Vocabulary().contains(key))
        return false;
    handlers_[key] = std::move(handler);
    return true;
}

bool TCommandDispatcher::HasHandler(const QString& name) const {
    return handlers_.count(name.toUpper().trimmed()) > 0;
}

void TCommandDispatcher::DoCommand(const QString& command, QObject* sender) {
    TraceCommand(command);
    struct Running {
        int& depth;
        explicit Running(int& d) : depth(d) { ++depth; }
        ~Running() { --depth; }
    } running(depth_);
    const CommandText text = SplitCommand(command);
    if (text.name.isEmpty())
        return;

    QString name = text.name;
    for (const QString& row : Vocabulary()) {
        if (name != row)
            continue;
        if (row == QLatin1String("#PLAYPAUSE")) {
            const int status = option_.Status();
            name = (status == StatusPlaying || status == StatusPaused) ? QStringLiteral("#PAUSE")
                                                                       : QStringLiteral("#PLAY");
            continue;
        }
        if (row == QLatin1String("#PLAYSTOP")) {
            name = option_.Playing() ? QStringLiteral("#STOP") : QStringLiteral("#PLAY");
            continue;
        }
        const auto handler = handlers_.find(row);
        if (handler != handlers_.end() && handler->second)
            handler->second(CommandCall{row, text.argument, sender});
        return;
    }

    if (!name.startsWith('#') && shellOpen_)
        shellOpen_(text.whole);
}
