#pragma once

#include <functional>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

// Drawing of the default skin: one dark palette with one accent colour,
// vector icons on a 24-unit grid, antialiased.
namespace art {

inline const QColor kAccent(0x38, 0xBD, 0xF8);
inline const QColor kInk(0xA9, 0xB7, 0xC6);      // icons at rest
inline const QColor kInkHover(0xF1, 0xF5, 0xF9); // icons under the pointer
inline const QColor kPressedInk(0x0B, 0x14, 0x1D);
inline const QColor kBodyTop(0x22, 0x2C, 0x38);
inline const QColor kBodyBottom(0x14, 0x1A, 0x22);
inline const QColor kScreen(0x0A, 0x0F, 0x15);
inline const QColor kEdge(0x33, 0x40, 0x4F);

// An icon drawn into a 24 x 24 box with the given ink.
using Icon = std::function<void(QPainter&, const QColor& ink)>;

Icon Named(const QString& name);
// A button picture: state 0 rest, 1 hover, 2 pressed; `round` buttons get a
// circular plate, others a rounded square; `hero` the accent plate at rest.
QImage Button(int size, const Icon& icon, int state, bool round, bool hero = false, bool lit = false);
// A rounded panel with a vertical gradient and a hairline edge.
QImage Plate(int w, int h, qreal radius, QColor top, QColor bottom);
QImage Track(int w, int h, int groove);
QImage Thumb(int size, int state);
QImage Digit(int digit, int w, int h); // digit 10 = blank
void Text(QImage& image, int x, int y, const QString& text, int pixelSize, QColor color, bool bold = false);

} // namespace art
