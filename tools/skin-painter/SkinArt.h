#pragma once

#include <functional>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

// Drawing of the player's skins: one palette with one accent colour, vector
// icons on a 24-unit grid, antialiased. The palette is the default skin's dark
// one until UseLightPalette() switches every colour for the light skin.
namespace art {

inline QColor kAccent(0x38, 0xBD, 0xF8);
inline QColor kInk(0xA9, 0xB7, 0xC6);      // icons at rest
inline QColor kInkHover(0xF1, 0xF5, 0xF9); // icons under the pointer
inline QColor kPressedInk(0x0B, 0x14, 0x1D);
inline QColor kBodyTop(0x22, 0x2C, 0x38);
inline QColor kBodyBottom(0x14, 0x1A, 0x22);
inline QColor kScreen(0x0A, 0x0F, 0x15);
inline QColor kEdge(0x33, 0x40, 0x4F);
inline QColor kHighlight(255, 255, 255, 22); // inner edge of plates
inline QColor kHoverFill(255, 255, 255, 28); // plate of a button under the pointer
inline QColor kGroove(0x2A, 0x35, 0x43);      // slider tracks
inline QColor kThumbCore(0xE8, 0xF6, 0xFE);
inline QColor kDrawerTop(0x1C, 0x25, 0x30);
inline QColor kDrawerBottom(0x13, 0x19, 0x21);
inline QColor kListTop(0x12, 0x18, 0x20);
inline QColor kListBottom(0x0E, 0x13, 0x19);
inline QColor kHairline(0x2B, 0x37, 0x45);
inline QColor kLabel(0x6B, 0x7A, 0x8C); // small captions on the body
inline QColor kFaintLabel(0x4A, 0x57, 0x66);
inline QColor kTitleText(0xE2, 0xE8, 0xF0);
inline QColor kListBack(0x0F, 0x14, 0x1B);   // behind the play list's scroll bar
inline QColor kScrollThumb(0x3A, 0x48, 0x58);
inline QColor kScrollThumbHover(0x52, 0x63, 0x76);

// Light surfaces, dark ink and one warm accent.
void UseLightPalette();

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
