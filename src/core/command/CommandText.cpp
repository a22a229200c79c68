#include "CommandText.h"

#include <algorithm>

CommandText SplitCommand(const QString& command) {
    CommandText text;
    text.whole = command;
    const int comma = command.indexOf(',');
    text.name = (comma < 0 ? command : command.left(comma)).toUpper().trimmed();
    if (comma >= 0)
        text.argument = command.mid(comma + 1);
    return text;
}

namespace {
int decimalOr(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}
} // namespace

bool ApplyFlagArgument(const QString& argument, bool current) {
    switch (decimalOr(argument, -1)) {
    case 0:
        return false;
    case 1:
        return true;
    default:
        return !current;
    }
}

int SeekStep(const QString& argument) {
    const int step = decimalOr(argument, 5);
    return step > 0 ? step : 5;
}

int ForwardTarget(int position, int duration, int step) { return std::min(position + step, duration); }

int RewindTarget(int position, int step) { return std::max(position - step, 0); }

int SoundUpVolume(int volume) {
    if (volume == 65535)
        return -1;
    return std::min(volume, 64511) + 1024;
}

int SoundDownVolume(int volume) {
    if (volume == 0)
        return -1;
    return std::max(volume, 1024) - 1024;
}

QStringList OpenFileNames(const QString& argument) {
    if (argument.contains(QChar(0)))
        return argument.split(QChar(0), Qt::SkipEmptyParts);
    return argument.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
