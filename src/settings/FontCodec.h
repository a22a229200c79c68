#pragma once

#include "ColorText.h"

#include <QString>

// A font as the options store keeps it: name, styles, colour, size in points and
// character set. The window code turns it into a QFont (FontSpecToQFont,
// QtForms.h); the text form is shared with other programs' files.
struct FontSpec {
    QString name = QStringLiteral("MS Sans Serif");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    ColorRef color = 0;
    int size = 8;
    int charset = 1;

    bool operator==(const FontSpec&) const = default;
};

// name ",[" styles "]," colour "," size "," charset, for example
// "Arial,[Bold,Italic,],&H000000FF,12,134".
QString FontToString(const FontSpec& font);

// Sets the font's properties from the text, field by field; a field whose
// separator is missing takes the rest of the text and later fields are empty.
// A size that is not a number keeps the current size; a character set that is
// not a number gives 1.
void StringToFont(const QString& text, FontSpec& font);
