#include "LyricsOptions.h"

namespace {

ColorRef readColor(const OptionsStore& store, const char* key, ColorRef defaultColor) {
    const QString text = store.ReadString(QLatin1String(kLyricsSection), QLatin1String(key), QString());
    return text.isEmpty() ? defaultColor : TextToColor(text, defaultColor);
}

FontSpec readFont(const OptionsStore& store, const char* key, const char* defaultText) {
    FontSpec font;
    StringToFont(
        store.ReadString(QLatin1String(kLyricsSection), QLatin1String(key), QString::fromUtf8(defaultText)),
        font);
    return font;
}

} // namespace

TLyricsOptions ReadLyricsOptions(const OptionsStore& store) {
    TLyricsOptions o;
    o.BkgColor = readColor(store, "BKGCOLOR", o.BkgColor);
    o.Font = readFont(store, "FONT", kDefaultLyricsFont);
    o.BandFont = readFont(store, "DFONT", kDefaultBandFont);
    o.ActiveColor = readColor(store, "ACTIVECOLOR", o.ActiveColor);
    o.NormalColor = readColor(store, "NORMALCOLOR", o.NormalColor);
    o.RectColor = readColor(store, "RECTCOLOR", o.RectColor);
    o.BandActiveColor = readColor(store, "DACTIVECOLOR", o.BandActiveColor);
    o.BandNormalColor = readColor(store, "DNORMALCOLOR", o.BandNormalColor);
    o.BandRectColor = readColor(store, "DRECTCOLOR", o.BandRectColor);
    o.Background = store.ReadString(QLatin1String(kLyricsSection), QStringLiteral("BACKGROUND"), QString());
    return o;
}
