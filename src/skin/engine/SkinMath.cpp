#include "SkinMath.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

int SliderRange(int trackLength, int thumbLength) {
    return std::max(trackLength - thumbLength, 1);
}

int VolumeFromOffset(int offset, int range, bool vertical) {
    const int v = int(qint64(offset) * 65535 / range);
    return vertical ? 65535 - v : v;
}

int VolumeOffset(int volume, int trackLength, int thumbLength, bool vertical) {
    const qint64 free = trackLength - thumbLength;
    return vertical ? int((65535 - qint64(volume)) * free / 65535) : int(free * volume / 65535);
}

int BalanceFromOffset(int offset, int range, bool vertical) {
    const int v = offset * 100 / range;
    return vertical ? 100 - v : v;
}

int BalanceOffset(int balance, int trackLength, int thumbLength, bool vertical) {
    const int free = trackLength - thumbLength;
    return vertical ? free * (100 - balance) / 100 : free * balance / 100;
}

int PositionSeconds(int offset, int range, int duration) {
    return int(qint64(duration) * std::min(offset, range) / range);
}

int PositionOffset(int tenths, int duration, int trackLength, int thumbLength) {
    const double fraction = std::min(1.0, double(tenths) / double(std::max(duration * 10, 1)));
    return int(std::trunc((trackLength - thumbLength) * fraction));
}

QString VolumeReadout(int volume) {
    return QCoreApplication::translate("SkinReadout", "Volume : ") + QString::number(qint64(volume) * 100 / 65535) +
           QLatin1Char('%');
}

QString BalanceText(int balance) {
    if (balance < 50)
        return QCoreApplication::translate("SkinReadout", "Left ") + QString::number(100 - balance * 2) +
               QLatin1Char('%');
    if (balance == 50)
        return QCoreApplication::translate("SkinReadout", "Center");
    return QCoreApplication::translate("SkinReadout", "Right ") + QString::number(balance * 2 - 100) +
           QLatin1Char('%');
}

QString BalanceReadout(int balance) {
    return QCoreApplication::translate("SkinReadout", "Balance : ") + BalanceText(balance);
}

namespace {
QString two(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

TimeTexts ShowTimeTexts(int p, int d, bool remaining) {
    p = std::clamp(p, 0, 918000);
    d = std::clamp(d, 0, 918000);
    QString sign = QStringLiteral(" ");
    int t = p;
    if (remaining && p <= d) {
        sign = QStringLiteral("-");
        t = d - p;
    }
    TimeTexts texts;
    texts.shortText = sign + QString::number(t / 3600) + ':' + two(t / 60 % 60) + ':' + two(t % 60);
    texts.longText = sign + QString::number(t / 60 % 60) + ':' + two(t % 60) + QStringLiteral(" / ") +
                     QString::number(d / 60 % 60) + ':' + two(d % 60);
    return texts;
}

std::array<int, 3> DigitEntries(int n) {
    const int v = std::max(n + 1, 0);
    int h = v / 100;
    if (h > 9)
        h -= 10;
    const int t = v % 100 / 10;
    const int u = v % 10;
    // Past 1999 tracks the hundreds would still be two digits; keep one.
    h %= 10;
    return {h == 0 ? 10 : h, h + t == 0 ? 10 : t, h + t + u == 0 ? 10 : u};
}

SlidePlan PlanSlide(int distance, int speed) {
    const int n = speed < 1 ? 25 : speed;
    SlidePlan plan;
    plan.step = distance / n;
    if (plan.step == 0)
        plan.step = (distance > 0) - (distance < 0);
    plan.count = plan.step == 0 ? 0 : std::abs(distance / plan.step);
    return plan;
}

QRect SlideStep(int direction, QRect g, int delta) {
    switch (direction) {
    case 1:
        g.moveLeft(g.left() + delta);
        break;
    case 2:
        g.moveLeft(g.left() - delta);
        break;
    case 3:
        g.moveTop(g.top() + delta);
        break;
    case 4:
        g.moveTop(g.top() - delta);
        break;
    case 8:
        g.moveTop(g.top() - delta);
        g.setHeight(g.height() + delta);
        break;
    case 5:
        g.setWidth(g.width() + delta);
        break;
    case 7:
        g.setHeight(g.height() + delta);
        break;
    default:
        break;
    }
    return g;
}

QRect SlideFinal(int direction, QRect g, QRect home, int d, bool open) {
    switch (direction) {
    case 1:
        g.moveLeft(open ? home.left() + d : home.left());
        break;
    case 2:
        g.moveLeft(open ? home.left() - d : home.left());
        break;
    case 3:
        g.moveTop(open ? home.top() + d : home.top());
        break;
    case 4:
    case 8:
        if (open) {
            g.moveTop(home.top() - d);
            g.setHeight(home.height());
        } else {
            g.moveTop(home.top());
            if (direction == 8)
                g.setHeight(home.height() - d);
        }
        break;
    case 5:
        g.setWidth(open ? home.width() : home.width() - d);
        break;
    case 7:
        g.setHeight(open ? home.height() : home.height() - d);
        break;
    default:
        break;
    }
    return g;
}

int ScrollDrawX(const ScrollState& s, int scale) {
    return (-s.offset) >> scale;
}

void AdvanceScroll(ScrollState& s, int labelWidth, int scale) {
    if (s.hold > 0) {
        --s.hold;
        return;
    }
    ++s.offset;
    if (s.offset > s.limit)
        s.offset = -(labelWidth << scale);
}

QString InfoText(const SongInfoText& song) {
    if (!song.current)
        return QStringLiteral("***  Sorvi Audio  ***");
    QString text =
        QString::fromLatin1(kInfoPrefix) + QStringLiteral("*** ") + song.title + QStringLiteral("  -  ");
    const QString gap = QStringLiteral("   ");
    if (!song.artist.isEmpty())
        text += QStringLiteral("ar: ") + song.artist.left(30) + gap;
    if (!song.album.isEmpty())
        text += QStringLiteral("al: ") + song.album.left(30) + gap;
    if (!song.year.isEmpty())
        text += song.year.left(4) + gap;
    return text + QStringLiteral("*** ");
}
