#pragma once

#include "../player/HostRecorder.h"
#include "TempHome.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Test songs, made once per test program with sox and lame.
class TestSongs {
public:
    static const TestSongs& Get();
    QString Path(const QString& name) const { return dir_.path() + '/' + name; }

private:
    TestSongs();
    QTemporaryDir dir_;
};

// Runs a program and returns its standard output; empty when it failed.
QByteArray RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000);

// Records the default sink's monitor for the given time; returns the peak
// sample (0 to 32767), or -1 when recording failed.
int RecordPeak(int milliseconds);

// A program folder with the real engine module in it, and a host recorder.
class EngineFixture {
public:
    EngineFixture();
    ~EngineFixture();
    void Play(const QString& pathOrUrl) { SendToPlugin(2, pathOrUrl.toUtf8()); }
    bool WaitForLine(const QByteArray& line, qsizetype from = 0, int timeoutMs = 15000);
    // Seconds of every "%time" message from message index `from` on.
    QList<int> Times(qsizetype from = 0) const;
    // Value of the last message of that name from index `from` on; -1 when none.
    int LastValue(const QByteArray& name, qsizetype from = 0) const;

    TempHome home;
    HostRecorder host;
};
