#pragma once

#include <QColor>

// The numbers of the player's owner-drawn pop-up menu. A top-level item leaves
// a strip at its left for the side picture; every item's width is its caption,
// a fixed allowance for the image column and the margins, and the text of the
// hot key bound to its command.
namespace MenuMetrics {

inline constexpr int kRowHeight = 22;
inline constexpr int kSeparatorHeight = 9;
inline constexpr int kSideBarWidth = 24;      // strip of the top-level menu
inline constexpr int kTopLevelAllowance = 66; // strip + image column + margins
inline constexpr int kSubmenuAllowance = 42;  // image column + margins
inline constexpr int kImageColumn = 22;       // image or check glyph, from the item's left (after the strip)
inline constexpr int kTextOffset = 24;        // caption start, from the item's left (after the strip)
inline constexpr int kHotKeyRightMargin = 8;  // hot-key text ends this far from the right edge
inline constexpr int kArrowColumn = 16;       // submenu arrow at the right edge
inline constexpr int kPanelWidth = 1;         // frame round the menu
inline constexpr int kSidePictureWidth = 24;
inline constexpr int kSidePictureHeight = 298;

// Width of one item: caption + allowance + hot-key text.
constexpr int ItemWidth(int captionWidth, int hotKeyWidth, bool topLevel) {
    return captionWidth + (topLevel ? kTopLevelAllowance : kSubmenuAllowance) + hotKeyWidth;
}

inline QColor Background() {
    return QColor(234, 234, 234);
}
inline QColor DisabledText() {
    return QColor(128, 128, 128);
}
inline QColor Accent() {
    return QColor(0x3d, 0xc2, 0xb0);
}

} // namespace MenuMetrics
