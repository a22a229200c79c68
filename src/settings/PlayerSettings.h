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

void SetPromptDownLrc(OptionsStore& store, bool flag);
void SetCurrent(OptionsStore& store, const QString& file);
void SetSkin(OptionsStore& store, const QString& file);

} // namespace PlayerSettings
