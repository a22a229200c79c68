#include "TPlusProcHandler.h"

#include "FileName.h"
#include "OptionsStore.h"
#include "TOption.h"

namespace {

// Decimal text; anything else counts as 0.
int number(const QString& text) {
    qint64 value = 0;
    if (!ParseDecimal(text, value) || value < INT_MIN || value > INT_MAX)
        return 0;
    return static_cast<int>(value);
}

bool is(const QString& name, const char* expected) {
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

} // namespace

TPlusProcHandler::TPlusProcHandler(TOption& option, PlusProcHooks* hooks, QObject* parent)
    : QObject(parent), option_(option), hooks_(hooks) {}

int TPlusProcHandler::Handle(const QByteArray& text) {
    // sender \1 message \1 argument; the argument takes the whole rest.
    const int first = text.indexOf('\1');
    if (first < 0)
        return 0;
    const int second = text.indexOf('\1', first + 1);
    const QString name =
        QString::fromUtf8(second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1));
    // File names keep their bytes (a name that is not UTF-8 still names its file).
    const QString argument = second < 0 ? QString() : DecodeFileName(text.mid(second + 1));

    if (!name.startsWith('%')) {
        if (name.isEmpty())
            return 0;
        option_.PostCommand(name + ',' + argument);
        return 0;
    }
    if (is(name, "%time")) {
        option_.ReportEngineTime(number(argument));
    } else if (is(name, "%status")) {
        status(number(argument));
    } else if (is(name, "%totaltime")) {
        option_.SetDuration(number(argument));
    } else if (is(name, "%title")) {
        // What a stream names as playing now, shown while it plays.
        option_.SetStreamTitle(argument.simplified());
    } else if (!hooks_) {
        return 0;
    } else if (is(name, "%createclass")) {
        return hooks_->CreateClass(argument);
    } else if (is(name, "%deleteclass")) {
        const int id = number(argument);
        if (id > 1)
            hooks_->DeleteClass(id);
    } else if (is(name, "%clearclass")) {
        const int id = number(argument);
        if (id > 1)
            hooks_->ClearClass(id);
    } else if (is(name, "%AddFiles")) {
        const int separator = argument.indexOf(QChar(1));
        const int id = number(separator < 0 ? argument : argument.left(separator));
        QStringList files;
        if (separator >= 0) {
            for (const QString& file : argument.mid(separator + 1).split(QStringLiteral("\r\n"))) {
                if (file.isEmpty())
                    break;
                files.append(file);
            }
        }
        return hooks_->AddFiles(id, files);
    } else if (is(name, "%GetDisplay")) {
        return static_cast<int>(hooks_->DisplayWindow());
    } else if (is(name, "%GetDisplayCtrl")) {
        return static_cast<int>(hooks_->DisplayCtrl());
    }
    return 0;
}

void TPlusProcHandler::status(int value) {
    const int current = option_.Status();
    // An engine reports "stopped" while the next song is being opened: not an end.
    if (value == StatusStopped && current == StatusOpening && option_.Playing())
        return;
    if (current == StatusOpening && value == StatusPlaying && hooks_)
        hooks_->CountPlay();
    if (value < StatusStopped || value > StatusFailed) {
        option_.SetStatus(StatusFailed);
        option_.PostCommand(QStringLiteral("#PlayStatusChanged"));
        return;
    }
    if (value == current)
        return;
    option_.SetStatus(value);
    option_.PostCommand(QStringLiteral("#PlayStatusChanged"));
}
