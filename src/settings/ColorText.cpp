#include "ColorText.h"

QString ColorToText(ColorRef color) {
    return QStringLiteral("&H") + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

ColorRef TextToColor(const QString& text, ColorRef defaultColor) {
    bool ok = false;
    qint64 value = 0;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("&h"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(2);
        const quint64 hex = digits.toULongLong(&ok, 16);
        value = (ok && hex > 0xFFFFFFFFull) ? qint64(0x7FFFFFFFFFFFFFFF) : qint64(hex);
    } else {
        value = t.toLongLong(&ok, 10);
    }
    if (!ok)
        return defaultColor;
    if (value < 0)
        return static_cast<ColorRef>(value) & 0xFFFFFFu;
    return value > 0xFFFFFF ? 0xFFFFFFu : static_cast<ColorRef>(value);
}
