#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Songs made at test time: a tone of a known pitch and length in each format
// the plug-in plays (sox writes FLAC, Ogg Vorbis, WAV and AIFF; opusenc writes
// Opus), and files that must fail: a FLAC cut inside its headers and a text
// file named ".ogg".
class SoundFixtures {
public:
    static const SoundFixtures& Get();
    QString Path(const QString& name) const { return dir_.path() + '/' + name; }
    // Length in milliseconds of the tones named "tone.<ext>".
    static constexpr int kToneMs = 3300;

    // Makes a tone of `hertz` lasting `seconds` as `file` (the extension picks
    // the format; ".opus" goes through a WAV and opusenc). False on failure.
    static bool MakeTone(const QString& file, int hertz, double seconds);

private:
    SoundFixtures();
    QTemporaryDir dir_;
};

// Runs a program; true when it ran and exited with 0.
bool RunProgram(const QString& program, const QStringList& arguments);

// The dominant pitch of each 100 ms window of 16-bit stereo 44.1 kHz audio
// (left channel), by counting zero crossings; 0 for a quiet window.
QList<int> PitchPerWindow(const QByteArray& pcm);
