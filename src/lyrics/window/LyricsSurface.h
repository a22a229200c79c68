#pragma once

#include "ColorText.h"

#include <QImage>
#include <QRect>
#include <QRgb>

// The lyrics window draws into plain 32-bit images ("surfaces"). Text surfaces
// are cleared to the key colour, which stays transparent when they are copied
// onto the back surface, so only the text and its outline show.

// The key colour 0x008000 (red 0, green 128, blue 0) as a colour value.
inline constexpr ColorRef kKeyColor = 32768;

// A colour value (0x00BBGGRR) as the pixel value of a surface.
inline QRgb ColorRefToPixel(ColorRef color) {
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline const QRgb kKeyPixel = ColorRefToPixel(kKeyColor);

// A surface of the given size (an empty size gives a null image).
QImage MakeSurface(const QSize& size);

// Gives every text pixel a one-pixel outline: for each pixel off the outer
// one-pixel border whose value is neither the key nor the outline, each of its
// four direct neighbours that holds the key becomes the outline. Pixels set to
// the outline are skipped when they are reached, so the result is the same as
// looking only at the surface as it was, and a second run changes nothing.
void OutlineSurface(QImage& surface, QRgb outline, QRgb key = kKeyPixel);
// The same, for a surface whose non-key pixels all lie inside `ink`: only
// that part is searched (the outline may reach one pixel beyond it).
void OutlineSurface(QImage& surface, QRgb outline, QRgb key, const QRect& ink);

// Copies source's rectangle from to the destination at the point to, leaving
// out every pixel that holds the key. Parts outside either surface are clipped.
// The source may also be an 8-bit picture with a colour table.
void CopyKeyed(QImage& destination, const QPoint& to, const QImage& source, const QRect& from,
               QRgb key = kKeyPixel);
