#pragma once

#include "OptionsStore.h"
#include "PlayerVolume.h"
#include "SiteAddresses.h"
#include "StandardCommands.h"
#include "TAudioMixer.h"
#include "TCommandDispatcher.h"
#include "TOption.h"

// Runs "#SoundUp", "#SoundDown" or "#Silent" as the player does: through the
// dispatcher, pushing the result to the mixer.
inline void RunVolumeCommand(TOption& option, TAudioMixer& mixer, const QString& command) {
    SiteAddresses site(option.store());
    TCommandDispatcher dispatcher(option);
    StandardCommandPorts ports;
    ports.applyVolume = [&] { ApplyVolume(option, mixer); };
    InstallStandardCommands(dispatcher, option, site, ports);
    dispatcher.DoCommand(command);
}
