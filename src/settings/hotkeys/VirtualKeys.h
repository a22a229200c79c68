#pragma once

#include <QtGlobal>
#include <Qt>

// The key codes of the hot-key table. A binding names its main key by a
// virtual-key code (letters and digits are their upper-case character codes,
// 187 the "=+" key, 188 comma, ...), so that a stored table means the same key
// whatever the keyboard layout or the window system. One table maps each code
// to the Qt key that names it in shortcut text and to the X11 key symbol that
// the global key back end sees.
namespace VirtualKeys {

// Modifier codes: either side of the keyboard, then the left and right keys.
inline constexpr quint16 kShift = 0x10;
inline constexpr quint16 kControl = 0x11;
inline constexpr quint16 kAlt = 0x12;
inline constexpr quint16 kLeftShift = 0xA0;
inline constexpr quint16 kRightShift = 0xA1;
inline constexpr quint16 kLeftControl = 0xA2;
inline constexpr quint16 kRightControl = 0xA3;
inline constexpr quint16 kLeftAlt = 0xA4;
inline constexpr quint16 kRightAlt = 0xA5;

// The shift set of a binding: which modifiers must be down (the rest up).
enum ShiftBit : quint8 { ShiftBitShift = 1, ShiftBitAlt = 2, ShiftBitCtrl = 4 };

// The Qt key of a code, or Qt::Key_unknown; `keypad` tells whether Qt marks
// it with the keypad modifier.
Qt::Key QtKeyOf(quint16 vk, bool* keypad = nullptr);
// The code of a Qt key (shifted symbols of the US layout such as '<' give
// their key's code), or 0 when the table has none.
quint16 VkOfQtKey(Qt::Key key, bool keypad = false);
// The X11 key symbol of a code, or 0.
quint32 KeysymOf(quint16 vk);
// The code of an X11 key symbol (modifier keys included), or 0.
quint16 VkOfKeysym(quint32 keysym);
// Shift, Control or Alt of either side.
bool IsModifier(quint16 vk);

} // namespace VirtualKeys
