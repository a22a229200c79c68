#pragma once

class TOption;
class TAudioMixer;

// The player's volume operations: the player keeps its own Volume, Balance and
// Mute in TOption, pushes them to the mixer's line (destination 0, connection
// 0) and takes them back when someone else changes the line.

// One step of "#SoundUp" / "#SoundDown": 64 steps from silence to full.
inline constexpr int kVolumeStep = 1024;

// Pushes Volume, Balance and Mute to the mixer. Does nothing (and returns
// false) when the mixer has no destination.
bool ApplyVolume(TOption& option, TAudioMixer& mixer);

// Takes an outside change of the line back into TOption without pushing it
// again. Does nothing while a volume or balance slider is dragged, when the
// mixer has no destination, or when the player is terminating.
void TakeMixerChange(TOption& option, TAudioMixer& mixer, bool terminating);

// "#SoundUp": one step up, landing exactly on the maximum.
void SoundUp(TOption& option, TAudioMixer& mixer);
// "#SoundDown": one step down, landing exactly on silence.
void SoundDown(TOption& option, TAudioMixer& mixer);
// "#Silent": toggles Mute.
void Silent(TOption& option, TAudioMixer& mixer);
