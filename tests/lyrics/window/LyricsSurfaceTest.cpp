// The surfaces of the lyrics window: the one-pixel outline, the colour-keyed
// copy, the background picture and the scroll arithmetic.
#include "LyricsSurface.h"

#include "BackgroundPicture.h"
#include "LrcParser.h"
#include "LyricsOptions.h"
#include "LyricsScroll.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlue = qRgb(0, 0, 255);

QImage keySurface(int w, int h) {
    QImage s = MakeSurface(QSize(w, h));
    s.fill(kKeyPixel);
    return s;
}

QImage textSurface(QRgb color) {
    QImage s = keySurface(120, 40);
    QPainter p(&s);
    QFont font(QStringLiteral("DejaVu Sans"), 14);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(QColor::fromRgb(color));
    p.drawText(4, 28, QStringLiteral("Lyric"));
    return s;
}

int count(const QImage& s, QRgb value) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.pixel(x, y) == value;
    return n;
}

} // namespace

TEST(LyricsOutline, OnlyKeyNeighboursOfInnerPixelsBecomeOutline) {
    QImage s = keySurface(5, 5);
    s.setPixel(2, 2, kBlue);         // inner text pixel
    s.setPixel(0, 0, kBlue);         // on the border: skipped
    s.setPixel(3, 2, qRgb(1, 2, 3)); // another colour beside it stays
    OutlineSurface(s, kWhite);
    EXPECT_EQ(s.pixel(2, 1), kWhite);
    EXPECT_EQ(s.pixel(2, 3), kWhite);
    EXPECT_EQ(s.pixel(1, 2), kWhite);
    EXPECT_EQ(s.pixel(3, 2), qRgb(1, 2, 3));
    EXPECT_EQ(s.pixel(1, 1), kKeyPixel); // diagonals are not neighbours
    EXPECT_EQ(s.pixel(1, 0), kKeyPixel); // the border pixel gave no outline
    EXPECT_EQ(s.pixel(0, 1), kKeyPixel);
    // The pixel (3, 2) is itself inner text and outlines its key neighbours.
    EXPECT_EQ(s.pixel(4, 2), kWhite);
    EXPECT_EQ(s.pixel(3, 1), kWhite);
}

TEST(LyricsOutline, SecondRunChangesNothing) {
    QImage once = textSurface(kBlue);
    OutlineSurface(once, kWhite);
    EXPECT_GT(count(once, kWhite), 0);
    QImage twice = once.copy();
    OutlineSurface(twice, kWhite);
    EXPECT_EQ(once, twice);
}

// Searching only the rows that hold ink gives the same outline as searching
// the whole surface, also when the ink touches the edge of that part.
TEST(LyricsOutline, OutliningTheInkedPartEqualsOutliningTheWhole) {
    QImage whole = textSurface(kBlue);
    QRect ink;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            if (whole.pixel(x, y) != kKeyPixel)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    QImage part = whole.copy();
    OutlineSurface(whole, kWhite);
    OutlineSurface(part, kWhite, kKeyPixel, QRect(0, ink.top(), part.width(), ink.height()));
    EXPECT_EQ(whole, part);
}

TEST(LyricsOutline, TextInTheOutlineColourGetsNone) {
    const QImage before = textSurface(kWhite);
    QImage after = before.copy();
    OutlineSurface(after, kWhite);
    EXPECT_EQ(before, after);
}

TEST(LyricsCompose, KeyColouredTextPixelsDisappear) {
    QImage text = textSurface(kKeyPixel); // the text itself is in the key colour
    text.setPixel(60, 20, kBlue);
    QImage back = MakeSurface(QSize(120, 40));
    back.fill(qRgb(10, 20, 30));
    CopyKeyed(back, QPoint(0, 0), text, text.rect());
    EXPECT_EQ(count(back, qRgb(10, 20, 30)), 120 * 40 - 1);
    EXPECT_EQ(back.pixel(60, 20), kBlue);
}

TEST(LyricsCompose, CopyIsClippedToBothSurfaces) {
    QImage src = keySurface(10, 10);
    src.fill(kBlue);
    QImage dst = MakeSurface(QSize(8, 8));
    dst.fill(kWhite);
    CopyKeyed(dst, QPoint(-5, 4), src, src.rect());
    EXPECT_EQ(dst.pixel(0, 4), kBlue);
    EXPECT_EQ(dst.pixel(4, 7), kBlue);
    EXPECT_EQ(dst.pixel(5, 4), kWhite);
    EXPECT_EQ(dst.pixel(0, 3), kWhite);
}

TEST(LyricsBackground, JpegThroughLibjpegOthersThroughQtBrokenGivesNone) {
    TempHome home;
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    auto encoded = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        return bytes;
    };
    const QByteArray jpeg = encoded("JPG");
    // A JPEG under another extension is still read as JPEG.
    const QImage fromJpeg = LoadBackgroundPicture(home.write("bg.bmp.jpg", jpeg));
    ASSERT_FALSE(fromJpeg.isNull());
    EXPECT_EQ(fromJpeg.size(), QSize(16, 8));
    EXPECT_NEAR(qRed(fromJpeg.pixel(8, 4)), 200, 8);
    EXPECT_NEAR(qGreen(fromJpeg.pixel(8, 4)), 40, 8);
    EXPECT_FALSE(DecodeJpeg(jpeg).isNull());

    for (const char* format : {"PNG", "BMP", "ICO"}) {
        const QImage read =
            LoadBackgroundPicture(home.write(QStringLiteral("bg.") + format, encoded(format)));
        ASSERT_FALSE(read.isNull()) << format;
        EXPECT_EQ(read.pixel(3, 3), qRgb(200, 40, 40)) << format;
    }
    EXPECT_TRUE(LoadBackgroundPicture(home.file("missing.jpg")).isNull());
    EXPECT_TRUE(LoadBackgroundPicture(home.write("cut.jpg", jpeg.left(jpeg.size() / 2))).isNull());
    EXPECT_TRUE(LoadBackgroundPicture(home.write("junk.png", "not a picture")).isNull());
    EXPECT_TRUE(LoadBackgroundPicture(QString()).isNull());
}

// The BACKGROUND path is the user's: whatever it names must come back at once
// with no picture unless it is a regular file of a picture's size.
TEST(LyricsBackground, OnlyRegularFilesOfBoundedSize) {
    TempHome home;
    const QString fifo = home.file("fifo.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(home.file("folder.png"));
    const QString huge = home.file("huge.png");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x89PNG\r\n\x1a\n"));
        ASSERT_TRUE(f.resize(qint64(65) * 1024 * 1024)); // sparse: past the picture limit
    }
    for (const QString& path : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo,
                                home.file("folder.png"), huge}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(LoadBackgroundPicture(path).isNull());
    }
}

TEST(LyricsOptionsTest, DefaultsAndStoredValues) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TLyricsOptions d = ReadLyricsOptions(store);
    EXPECT_EQ(d.BkgColor, 0u);
    EXPECT_EQ(d.ActiveColor, 33023u);
    EXPECT_EQ(d.NormalColor, 16711680u);
    EXPECT_EQ(d.RectColor, 16777215u);
    EXPECT_EQ(d.BandActiveColor, 33023u);
    EXPECT_EQ(d.BandNormalColor, 16711680u);
    EXPECT_EQ(d.BandRectColor, 16777215u);
    EXPECT_EQ(d.Font.size, 22);
    EXPECT_EQ(d.BandFont.size, 18);
    EXPECT_EQ(d.Font.name, QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(d.Background.isEmpty());

    store.WriteString("LYRICS", "BKGCOLOR", "&H00FF00");
    store.WriteInteger("LYRICS", "DACTIVECOLOR", 255);
    store.WriteString("LYRICS", "NORMALCOLOR", "junk");
    store.WriteString("LYRICS", "DFONT", "DejaVu Serif,[Bold,],&H0,12,0");
    store.WriteString("LYRICS", "BACKGROUND", "/pictures/sky.jpg");
    const TLyricsOptions o = ReadLyricsOptions(store);
    EXPECT_EQ(o.BkgColor, 0x00FF00u);
    EXPECT_EQ(o.BandActiveColor, 255u);
    EXPECT_EQ(o.NormalColor, 16711680u);
    EXPECT_EQ(o.BandFont.name, QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(o.BandFont.bold);
    EXPECT_EQ(o.BandFont.size, 12);
    EXPECT_EQ(o.Background, QStringLiteral("/pictures/sky.jpg"));
}

TEST(LyricsScrollTest, CurrentLineAtAndAroundLineTimes) {
    TLrcRec lines;
    ParseLrcText(u"[00:01.0]a\n[00:02.0]b\n[00:03.0]c", lines);
    lines.Append(kLrcEndTime, QString());
    struct Case {
        bool playing;
        int position;
        int expected;
    } cases[] = {{false, 25, -1}, {true, 0, -1}, {true, 10, -1}, {true, 11, 0},   {true, 20, 0},
                 {true, 21, 1},   {true, 30, 1}, {true, 31, 2},  {true, 99999, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(CurrentLineAt(lines, c.playing, c.position), c.expected) << c.position;
    EXPECT_EQ(CurrentLineAt(TLrcRec{}, true, 50), -1);
}

TEST(LyricsScrollTest, AutomaticScrollKeepsTheNextLineLastInView) {
    const int lh = 20, height = 100; // five lines
    EXPECT_EQ(AutoScroll(37, false, 4, lh, height), 0);
    // While the line after the current one is visible the list stands still.
    EXPECT_EQ(AutoScroll(0, true, 0, lh, height), 0);
    EXPECT_EQ(AutoScroll(0, true, 3, lh, height), 0);
    // Then each new line moves it by one line height.
    int scroll = 0;
    for (int current = 4; current < 40; ++current) {
        const int next = AutoScroll(scroll, true, current, lh, height);
        EXPECT_EQ(next, (current + 2) * lh - height) << current;
        if (current > 4) {
            EXPECT_EQ(next - scroll, lh);
        }
        scroll = next;
    }
    // A jump back (a seek) shows the line after the current one as the last again.
    EXPECT_EQ(AutoScroll(scroll, true, 1, lh, height), 3 * lh - height);
    // An area lower than two lines keeps the current line at its top.
    EXPECT_EQ(AutoScroll(0, true, 7, lh, 30), 7 * lh);
    EXPECT_EQ(AutoScroll(0, true, -1, lh, 30), 0);
}

TEST(LyricsScrollTest, ManualLimits) {
    const int lh = 20, lines = 10, listHeight = 100, panelHeight = 174;
    // Dragging up moves the text up; the end stops at the last line's bottom.
    EXPECT_EQ(DragScroll(0, 150, 120, lh, lines, listHeight), 30);
    EXPECT_EQ(DragScroll(90, 150, 0, lh, lines, listHeight), lh * lines - listHeight);
    EXPECT_EQ(DragScroll(10, 0, 150, lh, lines, listHeight), 0);
    // A list shorter than the area ends negative (drawn from the top).
    EXPECT_EQ(DragScroll(0, 50, 0, lh, 3, listHeight), 3 * lh - listHeight);
    EXPECT_EQ(ArrowStep(false), 5);
    EXPECT_EQ(ArrowStep(true), 30);
    EXPECT_EQ(ScrollUp(3, 5), 0);
    EXPECT_EQ(ScrollUp(40, 30), 10);
    EXPECT_EQ(ScrollDown(0, 30, lh, lines, panelHeight), 26);
    EXPECT_EQ(ScrollDown(20, 5, lh, lines, panelHeight), 25);
}
