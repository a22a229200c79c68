#include "StandardCommands.h"

#include "SiteAddresses.h"
#include "TCommandDispatcher.h"
#include "TOption.h"

namespace {
constexpr int kPluginPause = 4;
constexpr int kPluginSeek = 7;
} // namespace

void InstallStandardCommands(TCommandDispatcher& d, TOption& option, const SiteAddresses& site,
                             StandardCommandPorts ports) {
    auto flag = [&d, &option](const char* name, bool (TOption::*get)() const, void (TOption::*set)(bool)) {
        d.SetHandler(QString::fromLatin1(name), [&option, get, set](const CommandCall& call) {
            (option.*set)(ApplyFlagArgument(call.argument, (option.*get)()));
        });
    };
    flag("#SHUFFLE", &TOption::Shuffle, &TOption::SetShuffle);
    flag("#REPEAT", &TOption::Repeat, &TOption::SetRepeat);
    flag("#TIME", &TOption::TimeMode, &TOption::SetTimeMode);
    flag("#ONTOP", &TOption::AlwaysOnTop, &TOption::SetAlwaysOnTop);
    flag("#ONLY", &TOption::SinglePlay, &TOption::SetSinglePlay);

    d.SetHandler(QStringLiteral("#PAUSE"), [ports](const CommandCall&) {
        if (ports.sendToCurrentPlugin)
            ports.sendToCurrentPlugin(kPluginPause, QString());
    });

    auto seek = [&option, ports](const CommandCall& call) {
        const int status = option.Status();
        if (status != StatusPlaying && status != StatusPaused)
            return;
        const int step = SeekStep(call.argument);
        const int target = call.name == QLatin1String("#FORWARD")
                               ? ForwardTarget(option.Position(), option.Duration(), step)
                               : RewindTarget(option.Position(), step);
        if (ports.sendToCurrentPlugin)
            ports.sendToCurrentPlugin(kPluginSeek, QString::number(target));
    };
    d.SetHandler(QStringLiteral("#FORWARD"), seek);
    d.SetHandler(QStringLiteral("#REWIND"), seek);

    auto volumeStep = [&option, ports](int (*next)(int)) {
        return [&option, ports, next](const CommandCall&) {
            const int volume = next(option.Volume());
            if (volume < 0)
                return;
            option.SetVolume(volume);
            if (ports.applyVolume)
                ports.applyVolume();
        };
    };
    d.SetHandler(QStringLiteral("#SOUNDUP"), volumeStep(&SoundUpVolume));
    d.SetHandler(QStringLiteral("#SOUNDDOWN"), volumeStep(&SoundDownVolume));
    d.SetHandler(QStringLiteral("#SILENT"), [&option, ports](const CommandCall&) {
        option.SetMute(!option.Mute());
        if (ports.applyVolume)
            ports.applyVolume();
    });

    d.SetHandler(QStringLiteral("#ABOUT"),
                 [&d, &site](const CommandCall&) { d.DoCommand(QStringLiteral("#Explorer,") + site.About()); });
    d.SetHandler(QStringLiteral("#HELP"),
                 [&d, &site](const CommandCall&) { d.DoCommand(QStringLiteral("#Explorer,") + site.Help()); });
    d.SetHandler(QStringLiteral("#SEARCHLRC"), [&d, &site](const CommandCall& call) {
        d.DoCommand(QStringLiteral("#Explorer,") + site.LyricsSearch(call.argument));
    });
}
