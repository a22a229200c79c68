#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One record of the open lyrics database LRCLIB.
struct LrclibTrack {
    qint64 id = 0;
    QString trackName;
    QString artistName;
    QString albumName;
    double duration = 0; // seconds
    bool instrumental = false;
    QString plainLyrics;
    QString syncedLyrics;

    bool synced() const { return !syncedLyrics.trimmed().isEmpty(); }
    bool hasLyrics() const { return synced() || !plainLyrics.trimmed().isEmpty(); }
};

// A search answer (a JSON array of records); nothing when it is not one.
std::optional<QList<LrclibTrack>> ParseLrclibList(const QByteArray& json);
// A single record (the answer of /api/get); nothing when it is not one.
std::optional<LrclibTrack> ParseLrclibRecord(const QByteArray& json);

// The records to list: those with lyrics, synced ones first, otherwise in
// the order the database gave.
QList<LrclibTrack> OrderForListing(const QList<LrclibTrack>& tracks);

// "m:ss" for a length in seconds.
QString TrackLength(double seconds);

// The record as an LRC file: ar/ti/al/length header lines, then the synced
// lyrics, or the plain lines when the record has no synced ones.
QByteArray LrcFileText(const LrclibTrack& track);
