#pragma once

#include "KaraokeBand.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <vector>

// Paints the karaoke band's pieces onto the band surface, outlined.
//
// Between two layouts of the band only the sweep of its last piece moves. So
// the band is kept as two finished layers for the pieces now shown: every
// piece with the last one unsung, and the same with the last one sung in
// full. A tick that only moves the sweep copies the sung layer over the unsung
// one up to the sweep edge, instead of shaping, drawing and outlining the text
// again. The picture is the same, pixel for pixel: the band font draws without
// blending, so both colours ink the same pixels and get the same outline.
class BandLayers {
public:
    struct Style {
        QFont font; // drawn without antialiasing
        QRgb normal = 0;
        QRgb active = 0;
        QRgb outline = 0;
        int lineHeight = 0; // height of a band row
    };

    // Paints `pieces` onto `surface` (key colour elsewhere). `serial` changes
    // whenever the style, the lyrics or the surface's size change.
    void Paint(QImage& surface, const std::vector<BandPiece>& pieces, const Style& style, quint64 serial);
    // The width of a text in the band font, remembered per serial.
    int Width(const QString& text, const QFont& font, quint64 serial);
    // The rows of the surface the last Paint inked.
    QRect Ink() const { return ink_; }
    // The part of the surface the last Paint may have changed from the one
    // before: only the columns the sweep crossed while the layout stays, the
    // whole surface when the layers were painted anew.
    QRect Changed() const { return changed_; }

private:
    void paintLayers(QSize size, const std::vector<BandPiece>& pieces, const Style& style);

    quint64 serial_ = 0;
    std::vector<BandPiece> layout_; // the pieces the layers hold, the last one's sweep left out
    QImage unsung_;
    QImage sung_;
    QRect ink_;
    QRect changed_;
    int sweepEdge_ = 0; // how far from the left the sung layer was copied
    quint64 widthSerial_ = 0;
    QHash<QString, int> widths_;
};
