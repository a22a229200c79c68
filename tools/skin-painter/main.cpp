// skin-painter [--light] OUTPUT_FOLDER: draws every picture of the player's
// default skin (or, with --light, of its light skin) as PNG files;
// skins/default/layout.json (skins/light/layout.json) places them and the
// skin compiler turns both into "default.eks" ("light.eks").
#include "SkinArt.h"

#include <cstdio>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTransform>

using namespace art;

namespace {

QString folder;
bool ok = true;

void save(const QString& name, const QImage& image) {
    if (!image.save(folder + '/' + name + ".png")) {
        std::fprintf(stderr, "skin-painter: cannot write %s\n", qPrintable(name));
        ok = false;
    }
}

// Three states of a push button.
void button(const QString& name, const QString& icon, int size, bool round, bool hero = false) {
    for (int s = 0; s < 3; ++s)
        save(QStringLiteral("%1-%2").arg(name).arg(s), Button(size, Named(icon), s, round, hero));
}

// value x 3 + state pictures of a two- or three-valued button.
void indicator(const QString& name, const QStringList& icons, const QList<bool>& lit, int size, bool round,
               bool hero = false) {
    for (int v = 0; v < 3; ++v)
        for (int s = 0; s < 3; ++s) {
            const int i = std::min<int>(v, icons.size() - 1);
            save(QStringLiteral("%1-%2").arg(name).arg(v * 3 + s),
                 Button(size, Named(icons[i]), s, round, hero, lit[i]));
        }
}

QImage body() {
    QImage image = Plate(428, 172, 16, kBodyTop, kBodyBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Logo: an accent disc with a small wave.
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(14, 10, 16, 16));
    p.setPen(QPen(kPressedInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal h = (i == 1 || i == 2) ? 7 : 4;
        p.drawLine(QPointF(18 + i * 2.7, 18 - h / 2), QPointF(18 + i * 2.7, 18 + h / 2));
    }
    // The screen.
    p.setPen(QPen(kHairline, 1));
    p.setBrush(kScreen);
    p.drawRoundedRect(QRectF(14.5, 34.5, 399, 61), 10, 10);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawLine(QPointF(24, 35.5), QPointF(404, 35.5));
    p.end();
    Text(image, 36, 23, QStringLiteral("Sorvi"), 13, kTitleText, true);
    Text(image, 82, 23, QStringLiteral("audio player"), 10, kLabel);
    return image;
}

QImage listDrawer() {
    QImage image = Plate(400, 168, 14, kListTop, kListBottom);
    return image;
}

QImage extrasDrawer() {
    QImage image = Plate(170, 132, 12, kDrawerTop, kDrawerBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The handle on the right edge.
    p.setPen(QPen(kHairline, 1));
    p.drawLine(QPointF(153.5, 10), QPointF(153.5, 122));
    p.end();
    Text(image, 14, 20, QStringLiteral("VOLUME"), 9, kLabel, true);
    Text(image, 14, 56, QStringLiteral("BALANCE"), 9, kLabel, true);
    Text(image, 96, 56, QStringLiteral("L    R"), 9, kFaintLabel);
    return image;
}

// The light skin's drawer: a tall volume slider standing at the left edge,
// balance and the video sign beside it.
QImage lightExtrasDrawer() {
    QImage image = Plate(170, 132, 12, kDrawerTop, kDrawerBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kHairline, 1));
    p.drawLine(QPointF(153.5, 10), QPointF(153.5, 122));
    p.drawLine(QPointF(32.5, 14), QPointF(32.5, 118));
    p.end();
    Text(image, 40, 20, QStringLiteral("BALANCE"), 9, kLabel, true);
    Text(image, 112, 20, QStringLiteral("L   R"), 9, kFaintLabel);
    Text(image, 40, 62, QStringLiteral("VOLUME"), 9, kLabel, true);
    Text(image, 40, 76, QStringLiteral("slide up, louder"), 9, kFaintLabel);
    return image;
}

// The display area opens the video window on a double-click: it shows a
// screen with the video sign, not a level display it could not keep up. It is
// drawn over the piece of the drawer it sits on, so that its rounded corners
// show the drawer rather than the area's own black.
QImage display(const QImage& drawer, QPoint at, int width) {
    QImage image = drawer.copy(QRect(at, QSize(width, 36)));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kHairline, 1));
        p.setBrush(kScreen);
        p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, 35), 7, 7);
        p.translate(6, 6);
        Named("video")(p, kAccent);
    }
    Text(image, 36, 16, QStringLiteral("VIDEO"), 9, kLabel, true);
    Text(image, 36, 28, QStringLiteral("double-click"), 9, kFaintLabel);
    return image;
}

// The skin manager's preview: the body above its open play-list drawer, on
// an opaque desktop-grey ground (the file's preview carries no alpha).
QImage preview() {
    QImage image(448, 350, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x8A, 0x94, 0xA0));
    QPainter p(&image);
    p.translate(10, 10);
    p.drawImage(14, 162, listDrawer());
    p.drawImage(0, 0, body());
    p.end();
    return image.scaledToWidth(240, Qt::SmoothTransformation);
}

// The play list's vertical scroll bar: a stretched track, a thumb strip of
// three frames (normal, hover, pressed) and an arrow strip of six (up, then
// down, three states each). Magenta is see-through in the strips, so their
// edges are drawn without blending.
constexpr int kScrollWidth = 10;
const QColor kSeeThrough(0xFF, 0x00, 0xFF);

QImage scrollTrack() {
    QImage image(kScrollWidth, 144, QImage::Format_RGB32);
    image.fill(kListBack);
    QPainter p(&image);
    p.fillRect(QRect(4, 0, 2, image.height()), kDrawerTop);
    return image;
}

QImage scrollThumbs() {
    const QColor inks[] = {kScrollThumb, kScrollThumbHover, kAccent};
    QImage image(kScrollWidth * 3, 28, QImage::Format_RGB32);
    image.fill(kSeeThrough);
    QPainter p(&image);
    for (int s = 0; s < 3; ++s) {
        const int x = s * kScrollWidth;
        p.fillRect(QRect(x + 2, 1, kScrollWidth - 4, 26), inks[s]);
        p.fillRect(QRect(x + 3, 0, kScrollWidth - 6, 28), inks[s]);
    }
    return image;
}

QImage scrollArrows() {
    const QColor inks[] = {kLabel, kInkHover, kAccent};
    QImage image(kScrollWidth * 6, kScrollWidth, QImage::Format_RGB32);
    image.fill(kSeeThrough);
    QPainter p(&image);
    for (int b = 0; b < 2; ++b)
        for (int s = 0; s < 3; ++s) {
            const int x = (b * 3 + s) * kScrollWidth;
            p.fillRect(QRect(x, 0, kScrollWidth, kScrollWidth), kListBack);
            // A triangle of pixel rows: 2, 4, 6 pixels wide.
            for (int row = 0; row < 3; ++row) {
                const int y = b == 0 ? 3 + row : 6 - row;
                p.fillRect(QRect(x + 4 - row, y, 2 + 2 * row, 1), inks[s]);
            }
        }
    return image;
}

// The compact skin's faces (drawn with the default palette into the same
// folder): a single strip, its control drawer on the right with the handle
// peeking out, and a smaller small mode.
constexpr int kStripWidth = 680;
constexpr int kStripHeight = 40;

QImage strip() {
    QImage image = Plate(kStripWidth, kStripHeight, 12, kBodyTop, kBodyBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(12, 14, 12, 12));
    p.setPen(QPen(kHairline, 1));
    p.setBrush(kScreen);
    p.drawRoundedRect(QRectF(30.5, 7.5, 220, 25), 6, 6);
    return image;
}

QImage compactDrawer() {
    QImage image = Plate(480, 36, 10, kDrawerTop, kDrawerBottom);
    QPainter p(&image);
    p.setPen(QPen(kHairline, 1));
    p.drawLine(QPointF(463.5, 6), QPointF(463.5, 30));
    return image;
}

QImage compactPreview() {
    QImage image(700, 230, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x8A, 0x94, 0xA0));
    QPainter p(&image);
    p.drawImage(24, 10, listDrawer()); // the play list grows above the strip
    p.drawImage(10, 170, strip());
    p.end();
    return image.scaledToWidth(240, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool light = argc == 3 && QByteArray(argv[1]) == "--light";
    if (argc != 2 && !light) {
        std::fprintf(stderr, "usage: skin-painter [--light] OUTPUT_FOLDER\n");
        return 2;
    }
    if (light)
        UseLightPalette();
    folder = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(folder);

    save("body", body());
    save("preview", preview());
    save("list", listDrawer());
    save("extras", light ? lightExtrasDrawer() : extrasDrawer());
    save("display",
         light ? display(lightExtrasDrawer(), {38, 86}, 108) : display(extrasDrawer(), {12, 86}, 130));
    QImage small = Plate(380, 32, 16, kBodyTop, kBodyBottom);
    {
        QPainter p(&small);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(10, 10, 12, 12));
    }
    save("small", small);
    QColor barTop = kBodyTop, barBottom = kBodyBottom;
    barTop.setAlpha(235);
    barBottom.setAlpha(235);
    QImage bar = Plate(300, 56, 12, barTop, barBottom);
    save("bar", bar);
    save("strip", strip());
    save("cdrawer", compactDrawer());
    save("cpreview", compactPreview());
    save("csmall", Plate(250, 26, 13, kBodyTop, kBodyBottom));
    button("crewind", "rewind", 24, false);
    button("cpause", "pause", 24, false);
    button("cforward", "forward", 24, false);
    button("cchevron", "chevron", 16, false);
    save("track-compact", Track(130, 14, 4));
    save("vscroll-track", scrollTrack());
    save("vscroll-thumb", scrollThumbs());
    save("vscroll-arrows", scrollArrows());

    // Title bar, transport and tool buttons.
    button("minimize", "minimize", 20, true);
    button("compact", "compact", 20, true);
    button("exit", "exit", 20, true);
    button("prev", "prev", 34, true);
    button("rewind", "rewind", 34, true);
    button("pause", "pause", 34, true);
    button("forward", "forward", 34, true);
    button("next", "next", 34, true);
    for (const char* name : {"open", "url", "lyrics", "setup", "list", "video"})
        button(name, name, 24, false);
    button("chevron", "chevron", 16, false);
    // Small mode and control bar.
    button("sprev", "prev", 22, true);
    button("snext", "next", 22, true);
    button("scompact", "compact", 22, true);
    button("sexit", "exit", 22, true);
    button("bstop", "stop", 24, true);
    button("bfull", "fullscreen", 24, false);
    button("bmin", "minimize", 24, false);
    button("bclose", "exit", 24, false);
    button("bplay", "play", 24, true);

    // Indicators: value 0 stopped (play), 1 playing (stop), 2 paused (play).
    indicator("playstop", {"play", "stop", "play"}, {false, false, true}, 44, true, true);
    indicator("splaystop", {"play", "stop", "play"}, {false, true, true}, 22, true);
    indicator("mute", {"speaker", "muted"}, {false, true}, 22, false);
    indicator("bmute", {"speaker", "muted"}, {false, true}, 24, false);
    indicator("shuffle", {"shuffle", "shuffle"}, {false, true}, 22, false);
    indicator("repeat", {"repeat", "repeat"}, {false, true}, 22, false);
    indicator("ontop", {"pin", "pin"}, {false, true}, 22, true);

    // Sliders.
    save("track-position", Track(400, 14, 4));
    save("track-volume", Track(130, 14, 4));
    save("track-bar", Track(280, 14, 4));
    save("track-barvolume", Track(80, 14, 4));
    // The light skin's volume slider stands upright; its balance is shorter.
    save("track-vvolume", Track(104, 14, 4).transformed(QTransform().rotate(90)));
    save("track-balance", Track(106, 14, 4));
    for (int s = 0; s < 3; ++s)
        save(QStringLiteral("thumb-%1").arg(s), Thumb(14, s));
    for (int d = 0; d <= 10; ++d)
        save(QStringLiteral("digit-%1").arg(d), Digit(d, 9, 15));
    return ok ? 0 : 1;
}
