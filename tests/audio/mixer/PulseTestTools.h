#pragma once

#include <pulse/volume.h>
#include <QString>
#include <QStringList>

// Helpers for tests that run under the private PulseAudio daemon of
// with-services.sh (PULSE_SERVER names its socket).

// Runs pactl with the test's environment; returns its standard output, or a
// null string when it failed.
QString Pactl(const QStringList& arguments);

// The null sink's channel volumes and mute as pactl reports them.
struct NullSinkState {
    bool ok = false;
    pa_volume_t left = 0;
    pa_volume_t right = 0;
    bool mute = false;
};
NullSinkState ReadNullSink();

// The socket path of PULSE_SERVER ("unix:/x/runtime/native" -> "/x/runtime/native").
QString PulseSocketPath();

// The pid of the pulseaudio process serving exactly that socket; 0 when none.
// Found by its command line, so daemons of other tests are never touched.
qint64 FindDaemonPid(const QString& socketPath);

// Stops the daemon with that pid and waits until it is gone.
void StopDaemon(qint64 pid);

// Starts a new daemon on the same socket with the command line of
// tests/support/pulse-daemon.sh; returns its pid, 0 on failure.
qint64 StartDaemonOnSameSocket();

// The first playback stream of this process as pactl reports it.
struct OwnStreamState {
    bool ok = false;
    QString index;
    pa_volume_t left = 0;
    pa_volume_t right = 0;
    bool mute = false;
};
OwnStreamState ReadOwnStream();

// A playback stream of this process, opened the way the engine opens its
// own (same application name), for as long as the object lives.
class PlayerStream {
public:
    PlayerStream();
    ~PlayerStream();
    PlayerStream(const PlayerStream&) = delete;
    PlayerStream& operator=(const PlayerStream&) = delete;
    bool ok() const { return stream_ != nullptr; }

private:
    struct pa_simple* stream_ = nullptr;
};
