#include "ColorText.h"
#include "FontCodec.h"

#include <gtest/gtest.h>

TEST(ColorText, TextToColor) {
    struct Case {
        const char* text;
        ColorRef fallback;
        ColorRef expected;
    } cases[] = {
        {"&h1000000", 7, 0xFFFFFF}, {"-1", 7, 0xFFFFFF}, {"abc", 7, 7},        {"&HFF00", 7, 0xFF00},
        {"&hff", 7, 0xFF},          {"255", 7, 255},     {"", 7, 7},           {"&H", 7, 7},
        {"-256", 7, 0xFFFF00},      {"16777216", 7, 0xFFFFFF}, {"&h00FFFFFF", 7, 0xFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToColor(c.text, c.fallback), c.expected) << c.text;
}

TEST(ColorText, ColorToTextHasEightUpperCaseDigits) {
    EXPECT_EQ(ColorToText(0xFF), "&H000000FF");
    EXPECT_EQ(ColorToText(0xABCDEF), "&H00ABCDEF");
    EXPECT_EQ(TextToColor(ColorToText(0x123456), 0), 0x123456u);
}

TEST(FontCodec, EncodesNameStylesColourSizeCharset) {
    FontSpec font;
    font.name = "Arial";
    font.bold = font.italic = true;
    font.color = 0xFF;
    font.size = 12;
    font.charset = 134;
    EXPECT_EQ(FontToString(font), "Arial,[Bold,Italic,],&H000000FF,12,134");
    font.underline = font.strikeout = true;
    FontSpec back;
    StringToFont(FontToString(font), back);
    EXPECT_EQ(back, font);
}

TEST(FontCodec, Decodes) {
    struct Case {
        const char* text;
        FontSpec expected;
    };
    auto spec = [](QString name, bool b, bool i, bool u, bool s, ColorRef c, int size, int cs) {
        FontSpec f;
        f.name = name, f.bold = b, f.italic = i, f.underline = u, f.strikeout = s, f.color = c, f.size = size,
        f.charset = cs;
        return f;
    };
    const Case cases[] = {
        // A missing character set gives 1.
        {"Times New Roman,[Underline,Strikeout],&HFF00,14",
         spec("Times New Roman", false, false, true, true, 0xFF00, 14, 1)},
        {"MS Sans Serif,[],&H0,22,0", spec("MS Sans Serif", false, false, false, false, 0, 22, 0)},
        {"MS Sans Serif,[],&H00,22,0", spec("MS Sans Serif", false, false, false, false, 0, 22, 0)},
        // Styles are found anywhere in the field, in any case; a size that is
        // not a number keeps the current one (8).
        {"X,[BOLD italic],&H1,big,2", spec("X", true, true, false, false, 1, 8, 2)},
        // Only a name: every later field is empty.
        {"Lonely", spec("Lonely", false, false, false, false, 0, 8, 1)},
    };
    for (const Case& c : cases) {
        FontSpec font; // size 8 by default
        StringToFont(c.text, font);
        EXPECT_EQ(font, c.expected) << c.text;
    }
}
