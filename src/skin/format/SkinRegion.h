#pragma once

#include <optional>
#include <QByteArray>
#include <QRegion>

// Window shapes stored as Win32 region data (RGNDATA: a 32-byte header with
// type 1 and a rectangle count, then left, top, right, bottom per rectangle,
// right and bottom exclusive), coordinates relative to the object's corner.

// The region the data describes; nullopt when the data is not region data
// (too short, wrong type, more rectangles than bytes). Empty and inverted
// rectangles are skipped; coordinates are clamped to a sane range.
std::optional<QRegion> DecodeRegionData(const QByteArray& data);

// Region data for a region, in Qt's banded rectangle order.
QByteArray EncodeRegionData(const QRegion& region);

// The contents of a region blob: int32 m, then m bytes of region data.
// Returns false when m does not fit the blob (a broken file). *region is
// nullopt when the blob is absent or its data is unusable.
bool ParseRegionBlob(const QByteArray& blob, std::optional<QRegion>* region);
QByteArray MakeRegionBlob(const QRegion& region);
