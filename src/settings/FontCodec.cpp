#include "FontCodec.h"

namespace {

// Cuts the text up to the separator from the front of rest; without the
// separator the field is the whole rest.
QString takeField(QString& rest, const QString& separator) {
    const int at = rest.indexOf(separator);
    if (at < 0) {
        QString field = rest;
        rest.clear();
        return field;
    }
    QString field = rest.left(at);
    rest = rest.mid(at + separator.size());
    return field;
}

} // namespace

QString FontToString(const FontSpec& font) {
    QString text = font.name + QStringLiteral(",[");
    if (font.bold)
        text += QStringLiteral("Bold,");
    if (font.italic)
        text += QStringLiteral("Italic,");
    if (font.underline)
        text += QStringLiteral("Underline,");
    if (font.strikeout)
        text += QStringLiteral("Strikeout");
    text += QStringLiteral("],") + ColorToText(font.color) + ',' + QString::number(font.size) + ',' +
            QString::number(font.charset & 0xFF);
    return text;
}

void StringToFont(const QString& text, FontSpec& font) {
    QString rest = text;
    font.name = takeField(rest, QStringLiteral(","));

    const QString styles = takeField(rest, QStringLiteral("],")).toLower();
    font.bold = styles.contains(QLatin1String("bold"));
    font.italic = styles.contains(QLatin1String("italic"));
    font.underline = styles.contains(QLatin1String("underline"));
    font.strikeout = styles.contains(QLatin1String("strikeout"));

    font.color = TextToColor(takeField(rest, QStringLiteral(",")), 0);

    bool ok = false;
    const int size = takeField(rest, QStringLiteral(",")).trimmed().toInt(&ok);
    if (ok)
        font.size = size;

    const int charset = takeField(rest, QStringLiteral(",")).trimmed().toInt(&ok);
    font.charset = ok ? charset : 1;
}
