#pragma once

#include <QString>
#include <cstdint>

// Colours are stored in the 0x00BBGGRR layout (red in the low byte).
using ColorRef = std::uint32_t;

// "&H" followed by the colour as 8 upper-case hexadecimal digits.
QString ColorToText(ColorRef color);

// "&h..." (any case) is hexadecimal, anything else decimal; text that is not a
// number gives the default. Values above 0xFFFFFF become 0xFFFFFF; a negative
// value keeps only its low 24 bits.
ColorRef TextToColor(const QString& text, ColorRef defaultColor);
