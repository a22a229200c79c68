#include "QtForms.h"

QColor ColorRefToQColor(ColorRef c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

ColorRef QColorToColorRef(const QColor& c) {
    return ColorRef(c.red()) | (ColorRef(c.green()) << 8) | (ColorRef(c.blue()) << 16);
}

QFont FontSpecToQFont(const FontSpec& spec) {
    QFont font(spec.name);
    font.setPointSize(spec.size > 0 ? spec.size : 8);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeout);
    return font;
}
