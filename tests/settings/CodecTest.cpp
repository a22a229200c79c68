#include "ColorText.h"
#include "FontCodec.h"
#include "TextCodec.h"

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

TEST(TextCodec, DecodingNeverLosesAByteAndEncodesBackTheSame) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString text;
        TextEncoding encoding;
    } cases[] = {
        {"ASCII", "Plain", "Plain", TextEncoding::Utf8},
        {"UTF-8", "Caf\xC3\xA9", QString::fromUtf8("Caf\xC3\xA9"), TextEncoding::Utf8},
        {"GB18030", "\xB8\xE8\xCA\xD6", QString::fromUtf8("\xE6\xAD\x8C\xE6\x89\x8B"), TextEncoding::Gb18030},
        {"Latin-1 (not GB18030: 0xE9 before a blank)", "Caf\xE9 Noir", QString::fromUtf8("Caf\xC3\xA9 Noir"),
         TextEncoding::Latin1},
        {"Latin-1 at the end (a cut GB18030 pair)", "Caf\xE9", QString::fromUtf8("Caf\xC3\xA9"),
         TextEncoding::Latin1},
        {"lone 0x80 and 0xFF", "\x80x\xFF", QString::fromUtf8("\xC2\x80x\xC3\xBF"), TextEncoding::Latin1},
    };
    for (const Case& c : cases) {
        const DecodedText decoded = DecodeLossless(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.what;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.what;
        EXPECT_FALSE(decoded.text.contains(QChar(0xFFFD))) << c.what;
        EXPECT_EQ(EncodeText(decoded.text, decoded.encoding), c.bytes) << c.what;
        EXPECT_EQ(DecodeText(c.bytes), c.text) << c.what;
    }
    // Text Latin-1 cannot hold is written as UTF-8.
    EXPECT_EQ(EncodeText(QString::fromUtf8("\xE2\x82\xAC"), TextEncoding::Latin1), "\xE2\x82\xAC");
}
