#pragma once

#include <QString>
#include <vector>

// The mixer's tree of lines and controls. Over PulseAudio the tree is small:
// destination 0 is the server's default sink, and its connection 0 is the
// sink's playback line. Both carry the same volume and mute controls.

struct TMixerControl {
    enum class Kind { Volume, Mute };
    Kind kind = Kind::Volume;
    bool uniform = false;  // one value for all channels (a mono sink)
    bool disabled = false; // the control cannot be changed
};
using TMixerControls = std::vector<TMixerControl>;

struct TMixerConnection {
    QString name;
    int channels = 0;
    TMixerControls controls;
};
using TMixerConnections = std::vector<TMixerConnection>;

struct TMixerDestination {
    QString name;        // the sink's name ("alsa_output..." or "sorvi_null")
    QString description; // its human-readable description
    int channels = 0;
    TMixerControls controls;
    TMixerConnections connections;
};
// Empty when there is no server or the server has no sink.
using TMixerDestinations = std::vector<TMixerDestination>;
