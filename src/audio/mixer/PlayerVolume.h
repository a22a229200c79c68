#pragma once

class TOption;
class TAudioMixer;

// The player's volume operations: the player keeps its own Volume, Balance and
// Mute in TOption, pushes them to the mixer's line (destination 0, connection
// 0) and takes them back when someone else changes the line.

// Pushes Volume, Balance and Mute to the mixer. Does nothing (and returns
// false) when the mixer has no destination.
bool ApplyVolume(TOption& option, TAudioMixer& mixer);

// Takes an outside change of the line back into TOption without pushing it
// again. Does nothing while a volume or balance slider is dragged, when the
// mixer has no destination, or when the player is terminating.
void TakeMixerChange(TOption& option, TAudioMixer& mixer, bool terminating);
