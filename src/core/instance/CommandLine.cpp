#include "CommandLine.h"

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (!optionsEnded && (a == QLatin1String("--version") || a == QLatin1String("-v"))) {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (!optionsEnded && a == QLatin1String("--command")) {
            if (i + 1 >= arguments.size()) {
                line.action = CommandLine::Action::Error;
                line.error = QStringLiteral("--command needs a command string, for example --command \"#Play\"");
                return line;
            }
            line.commands << arguments[++i];
        } else if (!optionsEnded && a.startsWith(QLatin1String("--command="))) {
            line.commands << a.mid(10);
        } else if (!optionsEnded && a.startsWith(QLatin1String("--"))) {
            line.action = CommandLine::Action::Error;
            line.error = QStringLiteral("unknown option %1 (see --help)").arg(a);
            return line;
        } else {
            line.files << a;
        }
    }
    return line;
}

QString CommandLineHelp() {
    return QStringLiteral(
        "Usage: sorvi [OPTION]... [FILE|FOLDER|URL]...\n"
        "Plays MP3 files, play lists (.m3u) and streams, shows lyrics (.lrc) and wears skins (.eks).\n"
        "When a player is already running, the files are handed to it and this process ends.\n"
        "\n"
        "  --command TEXT  run a player command in the running player (started when none runs),\n"
        "                  for example --command \"#PlayPause\" or --command \"#Exit\"\n"
        "  --help          show this help and exit\n"
        "  --version       show the version and exit\n"
        "\n"
        "Environment: SORVI_HOME sets the folder for settings, the library and skins.\n");
}
