#pragma once

#include "ColorText.h"
#include "FontCodec.h"

#include <QColor>
#include <QFont>

// The stored font and colour forms in Qt's terms, for the windows that draw
// with them (skins, lyrics, dialogs).
QColor ColorRefToQColor(ColorRef color);
ColorRef QColorToColorRef(const QColor& color);
// A face that is not installed falls back through fontconfig's matching.
QFont FontSpecToQFont(const FontSpec& spec);
