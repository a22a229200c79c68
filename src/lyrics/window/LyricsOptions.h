#pragma once

#include "ColorText.h"
#include "FontCodec.h"
#include "OptionsStore.h"

#include <QString>

// The [LYRICS] settings of the lyrics window, with their defaults. Keys without
// D are for the list of lines, the D keys for the karaoke band.
struct TLyricsOptions {
    ColorRef BkgColor = 0;               // BKGCOLOR
    FontSpec Font;                       // FONT
    FontSpec BandFont;                   // DFONT
    ColorRef ActiveColor = 33023;        // ACTIVECOLOR, 0x0080FF orange
    ColorRef NormalColor = 16711680;     // NORMALCOLOR, 0xFF0000 blue
    ColorRef RectColor = 16777215;       // RECTCOLOR, white
    ColorRef BandActiveColor = 33023;    // DACTIVECOLOR
    ColorRef BandNormalColor = 16711680; // DNORMALCOLOR
    ColorRef BandRectColor = 16777215;   // DRECTCOLOR
    QString Background;                  // BACKGROUND, picture file
};

inline constexpr const char* kLyricsSection = "LYRICS";
inline constexpr const char* kDefaultLyricsFont = "MS Sans Serif,[],&H00,22,0";
inline constexpr const char* kDefaultBandFont = "MS Sans Serif,[],&H0,18,0";

// Reads every key of [LYRICS]; a missing key or a colour that is not a number
// gives the default.
TLyricsOptions ReadLyricsOptions(const OptionsStore& store);
