#pragma once

#include "OptionsStore.h"

// The [OPTION] settings that are read where they are used (start-up, adding,
// lyrics), with their defaults in one place. The play modes themselves live
// in TOption.
namespace PlayerSettings {

bool AutoPlay(const OptionsStore& store);      // AUTOPLAY, false
bool CheckAcc(const OptionsStore& store);      // CHECKACC, true
bool PlayOnAdd(const OptionsStore& store);     // PLAYONADD, true
bool PromptDownLrc(const OptionsStore& store); // PROMPTDOWNLRC, true
QString Current(const OptionsStore& store);    // CURRENT, ""
QString Skin(const OptionsStore& store);       // SKIN, program folder + "default.eks"
// MIXER: "stream" (the default: the player's own stream in the sound server)
// or "system" (the default sink, so every program). Anything else is stream.
bool SystemMixer(const OptionsStore& store);
// [LYRICS] AUTOFETCH, false: when a song starts without a lyrics file, look
// its lyrics up on the lyrics service in the background. Off by default, as
// it sends the song's names to a web service.
bool AutoFetchLyrics(const OptionsStore& store);
// [OPTION] NOTIFY, true: tell the desktop when a new song starts while the
// player window is hidden or minimized.
bool NotifySongs(const OptionsStore& store);

void SetCheckAcc(OptionsStore& store, bool flag);
void SetPromptDownLrc(OptionsStore& store, bool flag);
void SetCurrent(OptionsStore& store, const QString& file);
void SetSkin(OptionsStore& store, const QString& file);
void SetAutoFetchLyrics(OptionsStore& store, bool flag);
void SetNotifySongs(OptionsStore& store, bool flag);

} // namespace PlayerSettings
