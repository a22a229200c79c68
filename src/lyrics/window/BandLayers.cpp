#include "BandLayers.h"

#include "LyricsSurface.h"

#include <QFontMetrics>
#include <algorithm>
#include <QPainter>

namespace {

// Break characters are measured and drawn as spaces.
QString shown(const QString& text) {
    QString s = text;
    s.replace(QChar(kBandBreak), QChar(u' '));
    return s;
}

void drawText(QImage& surface, const BandLayers::Style& style, const BandPiece& piece, QRgb color,
              const QRect& clip = QRect()) {
    QPainter painter(&surface);
    if (!clip.isNull())
        painter.setClipRect(clip);
    painter.setFont(style.font);
    painter.setPen(QColor::fromRgb(color));
    painter.drawText(piece.x, piece.y + QFontMetrics(style.font).ascent(), shown(piece.text));
}

// The sung part of a piece: its text in the active colour from the band's left
// edge up to the sweep edge and down to the bottom of its row.
QRect sungArea(const BandPiece& piece, int lineHeight) {
    return QRect(0, 0, piece.x + piece.swept, piece.y + lineHeight);
}

// The pieces with the last one's sweep left out: what the layers depend on.
std::vector<BandPiece> layoutOf(const std::vector<BandPiece>& pieces) {
    std::vector<BandPiece> layout = pieces;
    if (!layout.empty() && layout.back().swept > 0)
        layout.back().swept = 0;
    return layout;
}

} // namespace

int BandLayers::Width(const QString& text, const QFont& font, quint64 serial) {
    if (widthSerial_ != serial || widths_.size() > 4096) {
        widths_.clear();
        widthSerial_ = serial;
    }
    auto it = widths_.constFind(text);
    if (it == widths_.constEnd())
        it = widths_.insert(text, QFontMetrics(font).horizontalAdvance(shown(text)));
    return *it;
}

void BandLayers::paintLayers(QSize size, const std::vector<BandPiece>& pieces, const Style& style) {
    unsung_ = QImage(size, QImage::Format_RGB32);
    unsung_.fill(kKeyPixel);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const BandPiece& piece = pieces[i];
        drawText(unsung_, style, piece, style.normal);
        if (piece.swept > 0 && i + 1 < pieces.size())
            drawText(unsung_, style, piece, style.active, sungArea(piece, style.lineHeight));
    }
    sung_ = QImage();
    const BandPiece& last = pieces.back();
    if (last.swept >= 0) {
        // Sung in full: the active text over the whole width of its rows.
        sung_ = unsung_.copy();
        BandPiece whole = last;
        whole.swept = size.width() - whole.x;
        drawText(sung_, style, whole, style.active, sungArea(whole, style.lineHeight));
    }
    ink_ = QRect();
    for (const BandPiece& piece : pieces)
        ink_ |= QRect(0, piece.y, size.width(), style.lineHeight);
    ink_ &= QRect(QPoint(0, 0), size);
    OutlineSurface(unsung_, style.outline, kKeyPixel, ink_);
    if (!sung_.isNull())
        OutlineSurface(sung_, style.outline, kKeyPixel, ink_);
}

void BandLayers::Paint(QImage& surface, const std::vector<BandPiece>& pieces, const Style& style, quint64 serial) {
    if (pieces.empty()) {
        surface.fill(kKeyPixel);
        ink_ = QRect();
        layout_.clear();
        changed_ = surface.rect();
        sweepEdge_ = 0;
        return;
    }
    std::vector<BandPiece> layout = layoutOf(pieces);
    const bool sameLayers = serial == serial_ && layout == layout_ && unsung_.size() == surface.size();
    if (!sameLayers) {
        paintLayers(surface.size(), layout, style);
        layout_ = std::move(layout);
        serial_ = serial;
    }
    // The picture is the unsung layer with the sung one over the last piece's
    // sung area, which reaches from the left edge to the sweep edge.
    const BandPiece& last = pieces.back();
    const int edge = last.swept > 0 && !sung_.isNull() ? std::clamp(last.x + last.swept, 0, surface.width()) : 0;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!sameLayers) {
        changed_ = surface.rect();
        painter.drawImage(0, 0, unsung_);
    } else {
        // Left of both edges the sung layer showed and shows, right of both
        // the unsung one: only the columns between the edges change.
        const int from = std::min(edge, sweepEdge_), to = std::max(edge, sweepEdge_);
        changed_ = to > from ? QRect(from, 0, to - from, surface.height()) : QRect();
        if (!changed_.isEmpty())
            painter.drawImage(changed_.topLeft(), unsung_, changed_);
    }
    if (edge > 0) {
        const QRect area = sungArea(last, style.lineHeight) & surface.rect() & changed_;
        if (!area.isEmpty())
            painter.drawImage(area.topLeft(), sung_, area);
    }
    sweepEdge_ = edge;
}
