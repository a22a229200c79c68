#include "VirtualKeys.h"

#include <X11/keysym.h>

#include <utility>

namespace VirtualKeys {
namespace {

struct Row {
    quint16 vk;
    Qt::Key qt;
    bool keypad;
    quint32 keysym;
};

// clang-format off
constexpr Row kFixed[] = {
    {0x08, Qt::Key_Backspace, false, XK_BackSpace},
    {0x09, Qt::Key_Tab, false, XK_Tab},
    {0x0D, Qt::Key_Return, false, XK_Return},
    {0x13, Qt::Key_Pause, false, XK_Pause},
    {0x1B, Qt::Key_Escape, false, XK_Escape},
    {0x20, Qt::Key_Space, false, XK_space},
    {0x21, Qt::Key_PageUp, false, XK_Prior},
    {0x22, Qt::Key_PageDown, false, XK_Next},
    {0x23, Qt::Key_End, false, XK_End},
    {0x24, Qt::Key_Home, false, XK_Home},
    {0x25, Qt::Key_Left, false, XK_Left},
    {0x26, Qt::Key_Up, false, XK_Up},
    {0x27, Qt::Key_Right, false, XK_Right},
    {0x28, Qt::Key_Down, false, XK_Down},
    {0x2C, Qt::Key_Print, false, XK_Print},
    {0x2D, Qt::Key_Insert, false, XK_Insert},
    {0x2E, Qt::Key_Delete, false, XK_Delete},
    {0x6A, Qt::Key_Asterisk, true, XK_KP_Multiply},
    {0x6B, Qt::Key_Plus, true, XK_KP_Add},
    {0x6D, Qt::Key_Minus, true, XK_KP_Subtract},
    {0x6E, Qt::Key_Period, true, XK_KP_Decimal},
    {0x6F, Qt::Key_Slash, true, XK_KP_Divide},
    {0x90, Qt::Key_NumLock, false, XK_Num_Lock},
    {0x91, Qt::Key_ScrollLock, false, XK_Scroll_Lock},
    {0xBA, Qt::Key_Semicolon, false, XK_semicolon},
    {0xBB, Qt::Key_Equal, false, XK_equal},
    {0xBC, Qt::Key_Comma, false, XK_comma},
    {0xBD, Qt::Key_Minus, false, XK_minus},
    {0xBE, Qt::Key_Period, false, XK_period},
    {0xBF, Qt::Key_Slash, false, XK_slash},
    {0xC0, Qt::Key_QuoteLeft, false, XK_grave},
    {0xDB, Qt::Key_BracketLeft, false, XK_bracketleft},
    {0xDC, Qt::Key_Backslash, false, XK_backslash},
    {0xDD, Qt::Key_BracketRight, false, XK_bracketright},
    {0xDE, Qt::Key_Apostrophe, false, XK_apostrophe},
    // Modifier keys: seen by the back end, never the main key of a binding.
    {kLeftShift, Qt::Key_unknown, false, XK_Shift_L},
    {kRightShift, Qt::Key_unknown, false, XK_Shift_R},
    {kLeftControl, Qt::Key_unknown, false, XK_Control_L},
    {kRightControl, Qt::Key_unknown, false, XK_Control_R},
    {kLeftAlt, Qt::Key_unknown, false, XK_Alt_L},
    {kRightAlt, Qt::Key_unknown, false, XK_Alt_R},
    {kLeftAlt, Qt::Key_unknown, false, XK_Meta_L},
    {kRightAlt, Qt::Key_unknown, false, XK_Meta_R},
};

// A key field gives the symbol of the key's own (unshifted) label; with Shift
// held Qt names the shifted symbol instead. Both name the same key.
constexpr std::pair<Qt::Key, quint16> kShiftedSymbols[] = {
    {Qt::Key_Plus, 0xBB},       {Qt::Key_Less, 0xBC},         {Qt::Key_Greater, 0xBE},
    {Qt::Key_Underscore, 0xBD}, {Qt::Key_Colon, 0xBA},        {Qt::Key_Question, 0xBF},
    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BraceRight, 0xDD}, {Qt::Key_QuoteDbl, 0xDE},     {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},          {Qt::Key_NumberSign, '3'},    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},     {Qt::Key_AsciiCircum, '6'},   {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},    {Qt::Key_ParenLeft, '9'},     {Qt::Key_ParenRight, '0'},
    {Qt::Key_Backtab, 0x09},    {Qt::Key_Enter, 0x0D},
};
// clang-format on

// Letters, digits, keypad digits and function keys are runs of codes.
bool InRun(quint16 vk, Row& row) {
    if (vk >= 'A' && vk <= 'Z') {
        row = {vk, Qt::Key(Qt::Key_A + (vk - 'A')), false, quint32(XK_a + (vk - 'A'))};
        return true;
    }
    if (vk >= '0' && vk <= '9') {
        row = {vk, Qt::Key(Qt::Key_0 + (vk - '0')), false, quint32(XK_0 + (vk - '0'))};
        return true;
    }
    if (vk >= 0x60 && vk <= 0x69) {
        row = {vk, Qt::Key(Qt::Key_0 + (vk - 0x60)), true, quint32(XK_KP_0 + (vk - 0x60))};
        return true;
    }
    if (vk >= 0x70 && vk <= 0x87) {
        row = {vk, Qt::Key(Qt::Key_F1 + (vk - 0x70)), false, quint32(XK_F1 + (vk - 0x70))};
        return true;
    }
    return false;
}

bool Find(quint16 vk, Row& row) {
    if (InRun(vk, row))
        return true;
    for (const Row& fixed : kFixed)
        if (fixed.vk == vk) {
            row = fixed;
            return true;
        }
    return false;
}

} // namespace

Qt::Key QtKeyOf(quint16 vk, bool* keypad) {
    Row row{};
    if (!Find(vk, row))
        return Qt::Key_unknown;
    if (keypad)
        *keypad = row.keypad;
    return row.qt;
}

quint16 VkOfQtKey(Qt::Key key, bool keypad) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint16('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return quint16((keypad ? 0x60 : '0') + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint16(0x70 + (key - Qt::Key_F1));
    if (key == Qt::Key_unknown)
        return 0;
    // The row of the same side (keypad or main keyboard) first, then a
    // shifted symbol, then the other side.
    for (const Row& row : kFixed)
        if (row.qt == key && row.keypad == keypad)
            return row.vk;
    for (const auto& [shifted, vk] : kShiftedSymbols)
        if (shifted == key)
            return vk;
    for (const Row& row : kFixed)
        if (row.qt == key)
            return row.vk;
    return 0;
}

quint32 KeysymOf(quint16 vk) {
    Row row{};
    return Find(vk, row) ? row.keysym : 0;
}

quint16 VkOfKeysym(quint32 keysym) {
    if (keysym >= XK_a && keysym <= XK_z)
        return quint16('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z)
        return quint16('A' + (keysym - XK_A));
    if (keysym >= XK_0 && keysym <= XK_9)
        return quint16('0' + (keysym - XK_0));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return quint16(0x60 + (keysym - XK_KP_0));
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return quint16(0x70 + (keysym - XK_F1));
    for (const Row& row : kFixed)
        if (row.keysym == keysym)
            return row.vk;
    return 0;
}

bool IsModifier(quint16 vk) {
    return vk == kShift || vk == kControl || vk == kAlt || (vk >= kLeftShift && vk <= kRightAlt);
}

} // namespace VirtualKeys
