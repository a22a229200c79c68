#pragma once

#include <array>
#include <QRect>
#include <QString>

// Arithmetic behind the skin-bound controls, kept apart from the widgets so it
// can be checked on its own: slider values, time texts, track digits, slides
// and the scrolling of the title display.

// --- sliders -------------------------------------------------------------
// A slider's thumb moves inside its track along one axis; `offset` is the
// thumb's distance from the track's start (left, or top for vertical ones).
int SliderRange(int trackLength, int thumbLength); // max(track - thumb, 1)

int VolumeFromOffset(int offset, int range, bool vertical);                    // 0..65535
int VolumeOffset(int volume, int trackLength, int thumbLength, bool vertical); // thumb offset
int BalanceFromOffset(int offset, int range, bool vertical);                   // 0..100, 50 centre
int BalanceOffset(int balance, int trackLength, int thumbLength, bool vertical);
// Seconds of the song under a position thumb at `offset`.
int PositionSeconds(int offset, int range, int duration);
// Thumb offset for a play position in tenths of a second.
int PositionOffset(int tenths, int duration, int trackLength, int thumbLength);

// Read-outs shown while a slider is dragged: "Volume : 50%", "Balance : Left 20%".
QString VolumeReadout(int volume);
QString BalanceText(int balance);
QString BalanceReadout(int balance);

// --- time and track number ----------------------------------------------
struct TimeTexts {
    QString shortText; // " 1:02:05" or "-0:03:10"
    QString longText;  // " 2:05 / 4:10" or "-2:05 / 4:10"
};
// The texts of the time displays for position p and duration d in seconds;
// remaining = true shows the time left (unless p is past d).
TimeTexts ShowTimeTexts(int p, int d, bool remaining);

// StateList entries of the three digits of a number display for the 0-based
// track index n (-1: none); entry 10 is the blank digit.
std::array<int, 3> DigitEntries(int n);

// --- sliding panels -------------------------------------------------------
struct SlidePlan {
    int step = 0;  // pixels per step (signed)
    int count = 0; // number of steps
};
// Steps of a slide over distance d with `speed` steps (below 1 means 25).
SlidePlan PlanSlide(int distance, int speed);
// One step: the panel's geometry moved or resized by delta along `direction`.
QRect SlideStep(int direction, QRect geometry, int delta);
// Where a panel ends after a slide, from its closed home (left, top, image
// width, image height), the distance, and whether it is now open.
QRect SlideFinal(int direction, QRect geometry, QRect home, int distance, bool open);

// --- the scrolling title ----------------------------------------------------
struct ScrollState {
    int limit = 0;  // text width in units of 1/2^scale pixel
    int offset = 0; // text drawn at x = -offset (same units)
    int hold = 0;   // ticks to wait before scrolling
};
// The pixel column where the text is drawn: -offset shifted right by scale,
// keeping the sign.
int ScrollDrawX(const ScrollState& s, int scale);
// One tick after drawing: wait out the hold, then move one unit; once the text
// has left on the left, it re-enters from the label's right edge.
void AdvanceScroll(ScrollState& s, int labelWidth, int scale);

struct SongInfoText {
    bool current = false; // a song is current
    QString title;        // display title
    QString artist, album, year;
};
// The full text of the title displays.
QString InfoText(const SongInfoText& song);
inline const char* kInfoPrefix = "Sorvi Audio  ";
