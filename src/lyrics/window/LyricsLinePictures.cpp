#include "LyricsLinePictures.h"

#include "LyricsSurface.h"

#include <QFontMetrics>
#include <QList>
#include <QPainter>

namespace {

LyricsLinePictures::Picture draw(const QString& text, QRgb color, const LyricsLinePictures::Style& style) {
    const QFontMetrics metrics(style.font);
    // The text's ink may reach past its advance and the font's ascent and
    // descent; the outline reaches one pixel further, and the outline pass
    // never searches the picture's border, so two pixels more on every side.
    const QRect box = metrics.boundingRect(text)
                          .united(QRect(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height()))
                          .adjusted(-2, -2, 2, 2);
    QImage surface(box.size(), QImage::Format_RGB32);
    surface.fill(kKeyPixel);
    {
        QPainter painter(&surface);
        painter.setFont(style.font);
        painter.setPen(QColor::fromRgb(color));
        painter.drawText(-box.left(), -box.top(), text);
    }
    OutlineSurface(surface, style.outline);
    // Only the key, the outline and the text colour are left.
    const QList<QRgb> colors{kKeyPixel | 0xFF000000u, style.outline | 0xFF000000u, color | 0xFF000000u};
    return {surface.convertToFormat(QImage::Format_Indexed8, colors, Qt::ThresholdDither), box.topLeft()};
}

} // namespace

const LyricsLinePictures::Picture& LyricsLinePictures::Of(int index, bool current, const QString& text,
                                                          const Style& style, quint64 serial) {
    if (serial != serial_) {
        pictures_.clear();
        serial_ = serial;
    }
    const auto key = std::make_pair(index, current);
    auto it = pictures_.find(key);
    if (it == pictures_.end())
        it = pictures_.emplace(key, draw(text, current ? style.active : style.normal, style)).first;
    return it->second;
}

void LyricsLinePictures::KeepOnly(int first, int last) {
    std::erase_if(pictures_, [&](const auto& entry) { return entry.first.first < first || entry.first.first > last; });
}
