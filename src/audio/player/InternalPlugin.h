#pragma once

#include "../../plugins/PluginContract.h"

#include <functional>

// The internal plug-in: drives the decoder engine through TXAudioPlayer with the
// same message contract as an external plug-in's PlusMessage.
//     2 play file (argument: path or URL), 3 stop, 4 toggle pause,
//     7 seek (argument: second); every other code does nothing.
// Always returns 0.
int InternalPlusMessage(const char* text);

// Where the engine's "%status", "%time" and "%totaltime" messages go (PlusProc).
void SetInternalPluginCallback(PlusMessageFunc plusProc);

// The song's total seconds as the player state holds them, used for seeking.
// Without it the engine's last reported duration is used.
void SetInternalPluginTotalSeconds(std::function<int()> totalSeconds);
