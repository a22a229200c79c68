#pragma once

#include "MixerTree.h"

#include <memory>
#include <pulse/volume.h>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

class PulseConnection;
struct PulseSnapshot;

// The system mixer over PulseAudio. Device 0 is the PulseAudio server (the one
// PULSE_SERVER or the client configuration names); destination 0 is its default
// sink and connection 0 the sink's playback line, with a volume control (left
// and right, 0 to 65535 where 65535 is 100 %) and a mute control.
//
// Which line connection 0 is depends on the target. System: the default sink
// itself, so the player turns every program up and down. Stream: the player's
// own playback streams (the engine's, found by this process's id). The mixer
// keeps the stream level itself, so it is there while nothing plays, and gives
// it to every new stream of the player; it is also stored in the server's
// stream memory (module-stream-restore) under the player's application name,
// so the server remembers it between runs and restores it to the engine's
// streams. A change of the player's stream from outside (the desktop's sound
// settings) becomes the kept level and is announced. Connection -1 is always
// the sink.
//
// libpulse runs in its own thread (a threaded main loop). Every public call is
// made on the thread that owns the object and waits for the server at most
// kWaitMs, so a server that is gone or stuck never hangs the caller. Changes of
// the default sink's volume or mute, of the default sink itself and of the
// connection reach the owning thread through queued calls and are announced by
// controlChanged(). When the server goes away the mixer retries every
// kRetryMs; once a server answers again the tree is rebuilt and controlChanged()
// is emitted.
class TAudioMixer : public QObject {
    Q_OBJECT
public:
    static constexpr int kWaitMs = 2000;
    static constexpr int kRetryMs = 1000;

    enum class Target { System, Stream };
    // The stream memory's key for the engine's streams: the server keys them by
    // the application name the engine connects with.
    static constexpr const char* kRememberedKey = "sink-input-by-application-name:Sorvi Audio Player";

    explicit TAudioMixer(Target target = Target::System, QObject* parent = nullptr);
    ~TAudioMixer() override;

    // 0 while connected to a server, -1 when none.
    int MixerId() const { return mixerId_; }
    const TMixerDestinations& Destinations() const { return destinations_; }
    // The server's name and version ("pulseaudio 16.1"); empty when none.
    const QString& ProductName() const { return productName_; }

    // Reads the line's levels and mute. connection -1 means the destination line
    // itself. Results that the line does not have stay -1. Returns false (and
    // leaves the outputs at their starting values) when there is no such
    // destination or connection or the server does not answer.
    bool GetVolume(int destination, int connection, int& left, int& right, int& mute, bool& stereo,
                   bool& volumeDisabled, bool& muteDisabled, bool& muteIsSelect);
    // Writes levels and mute. left -1: the levels stay; right -1: right := left;
    // mute -1: the mute stays, otherwise non-zero mutes. Levels are clamped to
    // 0..65535.
    bool SetVolume(int destination, int connection, int left, int right, int mute);

signals:
    // The line changed (from outside or by this player), the default sink
    // changed, or the connection to the server was lost or found again.
    void controlChanged();

private:
    // Applies the connection's latest snapshot to the tree; emits
    // controlChanged() when announce is set and the snapshot is new.
    void takeSnapshot(bool announce);
    // The sink behind a destination and connection; false when there is none.
    bool lineSink(int destination, int connection, std::string& sink) const;
    // Whether a snapshot only reports what this mixer itself wrote last.
    bool isOwnEcho(const PulseSnapshot& snapshot) const;
    // Stream target: takes an outside change of the player's streams; true
    // when the kept level changed.
    bool followStreams();
    bool writeStream(const struct PulseStreamState& stream);
    void rememberLevel();

    Target target_;
    // The player's stream level (stream target): 0..65535 per side, and mute.
    int keptLeft_ = 65535;
    int keptRight_ = 65535;
    bool keptMute_ = false;

    // What the last SetVolume wrote to the sink. The server reports every
    // change of the sink, ours included; a report that shows no more than our
    // own write is not announced as an outside change. The guard stays up until
    // the first report that shows something else.
    struct OwnWrite {
        bool active = false;
        std::string sink;
        bool volumeWritten = false;
        pa_cvolume volume{}; // as written, or as it was when only the mute was
        bool muteWritten = false;
        bool mute = false;
        bool muteBefore = false; // reported between the volume and the mute write
    };
    OwnWrite ownWrite_;

    std::unique_ptr<PulseConnection> engine_;
    int mixerId_ = -1;
    QString productName_;
    TMixerDestinations destinations_;
    quint64 appliedSeq_ = 0;
};
