// skin-painter OUTPUT_FOLDER: draws every picture of the player's default
// skin as PNG files; skins/default/layout.json places them and the skin
// compiler turns both into "default.eks".
#include "SkinArt.h"

#include <cstdio>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

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
    p.setPen(QPen(QColor(0x2B, 0x37, 0x45), 1));
    p.setBrush(kScreen);
    p.drawRoundedRect(QRectF(14.5, 34.5, 399, 61), 10, 10);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawLine(QPointF(24, 35.5), QPointF(404, 35.5));
    p.end();
    Text(image, 36, 23, QStringLiteral("Sorvi"), 13, QColor(0xE2, 0xE8, 0xF0), true);
    Text(image, 82, 23, QStringLiteral("audio player"), 10, QColor(0x6B, 0x7A, 0x8C));
    return image;
}

QImage listDrawer() {
    QImage image = Plate(400, 168, 14, QColor(0x12, 0x18, 0x20), QColor(0x0E, 0x13, 0x19));
    return image;
}

QImage extrasDrawer() {
    QImage image = Plate(170, 132, 12, QColor(0x1C, 0x25, 0x30), QColor(0x13, 0x19, 0x21));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The handle on the right edge.
    p.setPen(QPen(QColor(0x2B, 0x37, 0x45), 1));
    p.drawLine(QPointF(153.5, 10), QPointF(153.5, 122));
    p.end();
    Text(image, 14, 20, QStringLiteral("VOLUME"), 9, QColor(0x6B, 0x7A, 0x8C), true);
    Text(image, 14, 56, QStringLiteral("BALANCE"), 9, QColor(0x6B, 0x7A, 0x8C), true);
    Text(image, 96, 56, QStringLiteral("L    R"), 9, QColor(0x4A, 0x57, 0x66));
    return image;
}

QImage display() {
    QImage image(130, 36, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int heights[] = {6, 12, 20, 28, 18, 24, 14, 30, 22, 12, 18, 26, 16, 8, 14, 20, 10, 6};
    for (int i = 0; i < 18; ++i) {
        QColor c = kAccent;
        c.setAlpha(110 + i * 8);
        p.setBrush(c);
        const int h = heights[i];
        p.drawRoundedRect(QRectF(2 + i * 7, 34 - h, 4, h), 2, 2);
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin-painter OUTPUT_FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    save("body", body());
    save("list", listDrawer());
    save("extras", extrasDrawer());
    save("display", display());
    QImage small = Plate(380, 32, 16, kBodyTop, kBodyBottom);
    {
        QPainter p(&small);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(10, 10, 12, 12));
    }
    save("small", small);
    QImage bar = Plate(300, 56, 12, QColor(0x22, 0x2C, 0x38, 235), QColor(0x14, 0x1A, 0x22, 235));
    save("bar", bar);

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
    for (int s = 0; s < 3; ++s)
        save(QStringLiteral("thumb-%1").arg(s), Thumb(14, s));
    for (int d = 0; d <= 10; ++d)
        save(QStringLiteral("digit-%1").arg(d), Digit(d, 9, 15));
    return ok ? 0 : 1;
}
