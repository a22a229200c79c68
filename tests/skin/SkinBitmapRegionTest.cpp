// Bitmap blobs (32- and 16-bit) and region blobs, written and read back, and
// headers that lie about their size.
#include "SkinBitmap.h"
#include "SkinRegion.h"

#include <gtest/gtest.h>
#include <QtEndian>

namespace {

QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 25 % 256));
    return image;
}

TEST(SkinBitmap, RoundTripsAt32And16Bits) {
    const QImage source = Gradient(7, 5); // odd width: 16-bit rows need padding
    for (const int bits : {32, 16}) {
        const QByteArray bytes = EncodeSkinBitmap(source, bits);
        ASSERT_TRUE(bytes.startsWith("BM"));
        const QImage decoded = DecodeSkinBitmap(bytes);
        ASSERT_EQ(decoded.size(), source.size()) << bits;
        // 16 bits keep 5 bits per channel.
        const int drop = bits == 32 ? 0 : 3;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb want = source.pixel(x, y);
                const QRgb got = decoded.pixel(x, y);
                EXPECT_EQ(qRed(got) >> drop, qRed(want) >> drop) << bits << " at " << x << "," << y;
                EXPECT_EQ(qGreen(got) >> drop, qGreen(want) >> drop);
                EXPECT_EQ(qBlue(got) >> drop, qBlue(want) >> drop);
                EXPECT_EQ(qAlpha(got), 255) << "skin pictures are opaque";
            }
        }
    }
}

TEST(SkinBitmap, SixteenBitChannelsWidenToFullRange) {
    // Magenta marks transparent strip pixels; it must come back exactly.
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 255));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    source.setPixel(2, 0, qRgb(132, 8, 0)); // 5-bit 16 and 1
    const QImage decoded = DecodeSkinBitmap(EncodeSkinBitmap(source, 16));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(decoded.pixel(2, 0), qRgb(132, 8, 0));
}

TEST(SkinBitmap, ThirtyTwoBitPicturesWithZeroAlphaBytesStayOpaque) {
    // Windows tools leave the fourth byte of 32-bit pixels at 0.
    QByteArray bytes = EncodeSkinBitmap(Gradient(4, 4), 32);
    for (qsizetype i = 54 + 3; i < bytes.size(); i += 4)
        bytes[i] = 0;
    const QImage decoded = DecodeSkinBitmap(bytes);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(qAlpha(decoded.pixel(2, 2)), 255);
}

TEST(SkinBitmap, HeadersThatLieGiveNoPicture) {
    const QByteArray good = EncodeSkinBitmap(Gradient(8, 8), 32);
    struct Case {
        const char* name;
        std::function<void(QByteArray&)> damage;
    } cases[] = {
        {"not a bitmap", [](QByteArray& b) { b[0] = 'P'; }},
        {"cut in the pixels", [](QByteArray& b) { b.truncate(b.size() - 10); }},
        {"cut in the header", [](QByteArray& b) { b.truncate(30); }},
        {"huge width", [](QByteArray& b) { qToLittleEndian<qint32>(100000, b.data() + 18); }},
        {"huge height", [](QByteArray& b) { qToLittleEndian<qint32>(0x7fffffff, b.data() + 22); }},
        {"lowest height", [](QByteArray& b) { qToLittleEndian<qint32>(-2147483647 - 1, b.data() + 22); }},
        {"zero width", [](QByteArray& b) { qToLittleEndian<qint32>(0, b.data() + 18); }},
        {"pixel offset past the end",
         [](QByteArray& b) { qToLittleEndian<quint32>(0xfffffff0u, b.data() + 10); }},
        {"empty", [](QByteArray& b) { b.clear(); }},
    };
    for (const Case& c : cases) {
        QByteArray bytes = good;
        c.damage(bytes);
        EXPECT_TRUE(DecodeSkinBitmap(bytes).isNull()) << c.name;
    }
    EXPECT_TRUE(EncodeSkinBitmap(Gradient(2, 2), 24).isEmpty());
}

TEST(SkinRegion, RoundTripsAShapedRegion) {
    const QRegion shape = QRegion(0, 0, 30, 4) + QRegion(5, 4, 10, 8) + QRegion(-3, 20, 2, 2) +
                          QRegion(0, 0, 40, 40, QRegion::Ellipse).translated(50, 0);
    const QByteArray blob = MakeRegionBlob(shape);
    std::optional<QRegion> back;
    ASSERT_TRUE(ParseRegionBlob(blob, &back));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, shape);

    ASSERT_TRUE(ParseRegionBlob(MakeRegionBlob(QRegion()), &back));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isEmpty());
}

TEST(SkinRegion, BadRegionDataIsRefusedOrSkipped) {
    const QByteArray good = EncodeRegionData(QRegion(0, 0, 4, 4) + QRegion(10, 0, 4, 4));
    auto damaged = [&](int at, qint32 v) {
        QByteArray b = good;
        qToLittleEndian(v, b.data() + at);
        return b;
    };
    EXPECT_FALSE(DecodeRegionData(good.left(31))) << "shorter than its header";
    EXPECT_FALSE(DecodeRegionData(damaged(4, 2))) << "not a rectangle list";
    EXPECT_FALSE(DecodeRegionData(damaged(0, 8))) << "header size too small";
    EXPECT_FALSE(DecodeRegionData(damaged(8, 3))) << "more rectangles than bytes";
    EXPECT_FALSE(DecodeRegionData(damaged(8, -1))) << "count overflowing";

    // An inverted rectangle is skipped; extreme coordinates are clamped.
    const auto inverted = DecodeRegionData(damaged(32 + 8, -100));
    ASSERT_TRUE(inverted);
    EXPECT_EQ(*inverted, QRegion(10, 0, 4, 4));
    const auto huge = DecodeRegionData(damaged(32 + 8, 0x7fffffff));
    ASSERT_TRUE(huge);
    EXPECT_FALSE(huge->isEmpty());

    // The inner count must fit the blob; unusable data inside a fitting blob is no region.
    QByteArray blob = MakeRegionBlob(QRegion(0, 0, 2, 2));
    std::optional<QRegion> region;
    qToLittleEndian<qint32>(static_cast<qint32>(blob.size()), blob.data());
    EXPECT_FALSE(ParseRegionBlob(blob, &region));
    qToLittleEndian<qint32>(-1, blob.data());
    EXPECT_FALSE(ParseRegionBlob(blob, &region));
    EXPECT_FALSE(ParseRegionBlob(QByteArray("\x01\x00", 2), &region));
    EXPECT_TRUE(ParseRegionBlob(QByteArray(4, '\0'), &region));
    EXPECT_FALSE(region);
}

} // namespace
