#include "TLrcView.h"

#include "LrcDisplayLines.h"
#include "LyricsLinePictures.h"
#include "LyricsScroll.h"
#include "LyricsSurface.h"
#include "TOption.h"

#include <algorithm>
#include <QFontMetrics>
#include <QPainter>

namespace {

// Text in the key colour must vanish and text in the outline colour must get
// no outline, so glyph edges may not be blended with what lies under them.
QFont unblended(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

TLrcView::TLrcView(const TOption& option, QObject* parent) : QObject(parent), option_(option) {
    WaitTimer.setSingleShot(true);
    WaitTimer.setInterval(kWaitMs);
    connect(&WaitTimer, &QTimer::timeout, this, [this] {
        ManualScroll = false;
        redrawList();
    });
}

void TLrcView::SetOptions(const TLyricsOptions& options, const QFont& lyricsFont, const QFont& bandFont) {
    Colors = options;
    LyricsFont = unblended(lyricsFont);
    BandFont = unblended(bandFont);
    LineHeight = QFontMetrics(LyricsFont).height() + 2;
    BandLineHeight = QFontMetrics(BandFont).height() + 5;
    measureLines();
    ++serial_;
}

void TLrcView::measureLines() {
    const QFontMetrics metrics(LyricsFont);
    MaxLineWidth = 0;
    for (const QString& line : DisplayLines.Lines)
        MaxLineWidth = std::max(MaxLineWidth, metrics.horizontalAdvance(line));
}

void TLrcView::ClearLyrics() {
    Lrc.Clear();
    DisplayLines.Clear();
    Band.Reset();
    MaxLineWidth = 0;
    ++serial_;
}

void TLrcView::SetLyrics(const TLrcRec& lrc) {
    Lrc = lrc;
    SortLrcRec(Lrc);
    // Long lines are cut once here, so no redraw or band layout ever measures
    // or draws more than a screen's worth of one line.
    for (QString& line : Lrc.Lines)
        line = CapLyricsLine(line);
    DisplayLines = BuildDisplayLines(Lrc);
    for (QString& line : DisplayLines.Lines)
        line = CapLyricsLine(line);
    Band.Reset();
    measureLines();
    ++serial_;
}

void TLrcView::Resize(const QSize& client, const QRect& fullPanel, const QRect& dyPanel) {
    Busy = true;
    ++serial_;
    FullPanelRect = fullPanel;
    DyPanelRect = dyPanel;
    BandSurface = MakeSurface(dyPanel.size());
    ListSurface = MakeSurface(fullPanel.size());
    BackSurface = MakeSurface(client);
    // A surface that cannot be had leaves drawing off until the next resize.
    if (BandSurface.isNull() || ListSurface.isNull() || BackSurface.isNull())
        return;
    Busy = false;
    UpdateLyrics();
}

void TLrcView::UpdateLyrics() {
    if (Busy || BackSurface.isNull())
        return;
    Busy = true;
    CurrentLine = CurrentLineAt(DisplayLines, option_.Playing(), option_.PositionTenths());
    const std::vector<BandPiece> shownBand = bandPieces_;
    DrawBand();
    const bool bandChanged = bandPieces_ != shownBand || drawnBandSerial_ != serial_;
    const bool listChanged = listState() != drawnList_;
    if (listChanged) {
        DrawList();
        Present();
    } else if (bandChanged) {
        presentBand();
    }
    Busy = false;
}

TLrcView::ListState TLrcView::listState() const {
    ListState state;
    state.line = CurrentLine;
    state.scroll = ManualScroll ? Scroll
                                : AutoScroll(Scroll, option_.Playing(), CurrentLine, LineHeight,
                                             FullPanelRect.height() - DyPanelRect.height());
    state.x = std::max(0, FullPanelRect.width() - MaxLineWidth) / 2;
    state.notice = DisplayLines.Lines.isEmpty() ? Notice : QString();
    state.serial = serial_;
    return state;
}

void TLrcView::DrawList() {
    if (ListSurface.isNull())
        return;
    ListSurface.fill(kKeyPixel);
    ListRect = QRect(0, 0, FullPanelRect.width(), FullPanelRect.height() - DyPanelRect.height());
    ListX = std::max(0, FullPanelRect.width() - MaxLineWidth) / 2;
    if (!ManualScroll)
        Scroll = AutoScroll(Scroll, option_.Playing(), CurrentLine, LineHeight, ListRect.height());

    const int top = std::max(Scroll, 0);
    const int first = LineHeight > 0 ? std::max(0, top / LineHeight) : 0;
    const int count = int(DisplayLines.Lines.size());
    const int ascent = QFontMetrics(LyricsFont).ascent();
    const QRgb active = ColorRefToPixel(Colors.ActiveColor);
    const QRgb normal = ColorRefToPixel(Colors.NormalColor);
    const QRgb outline = ColorRefToPixel(Colors.RectColor);
    drawnList_ = listState();
    if (DisplayLines.Lines.isEmpty() && !Notice.isEmpty()) {
        QPainter painter(&ListSurface);
        painter.setFont(LyricsFont);
        painter.setPen(QColor::fromRgb(normal));
        painter.drawText(ListRect, Qt::AlignCenter, Notice);
        painter.end();
        OutlineSurface(ListSurface, outline);
        return;
    }
    // Only the lines that reach into the surface are put in, from their kept
    // pictures, which are outlined already.
    const LyricsLinePictures::Style style{LyricsFont, normal, active, outline};
    int last = first - 1;
    for (int i = first; i < count; ++i) {
        const int y = i * LineHeight - top;
        if (y >= ListSurface.height())
            break;
        const LyricsLinePictures::Picture& line =
            linePictures_.Of(i, i == CurrentLine, DisplayLines.Lines[i], style, serial_);
        CopyKeyed(ListSurface, QPoint(ListX, y + ascent) + line.offset, line.image, line.image.rect());
        last = i;
    }
    linePictures_.KeepOnly(first, last);
}

void TLrcView::DrawBand() {
    if (BandSurface.isNull())
        return;
    BandInput in;
    in.lrc = &Lrc;
    in.displayLines = &DisplayLines;
    in.currentLine = CurrentLine;
    in.playing = option_.Playing();
    in.positionTenths = option_.PositionTenths();
    in.engineTimeTenths = option_.EngineTimeTenths();
    in.size = BandSurface.size();
    in.bandLineHeight = BandLineHeight;
    bandPieces_ = Band.Update(in, [&](const QString& text) { return bandLayers_.Width(text, BandFont, serial_); });
    BandLayers::Style style;
    style.font = BandFont;
    style.normal = ColorRefToPixel(Colors.BandNormalColor);
    style.active = ColorRefToPixel(Colors.BandActiveColor);
    style.outline = ColorRefToPixel(Colors.BandRectColor);
    style.lineHeight = BandLineHeight;
    bandLayers_.Paint(BandSurface, bandPieces_, style, serial_);
    // Only the rows the pieces stand on hold ink; the rest stays key colour.
    bandInk_ = bandLayers_.Ink();
}

QRect TLrcView::bandCopyRect() const {
    // The outline reaches one pixel beyond the ink.
    return bandInk_.isEmpty() ? QRect() : bandInk_.adjusted(0, -1, 0, 1) & BandSurface.rect();
}

void TLrcView::Present() {
    if (BackSurface.isNull())
        return;
    BackSurface.fill(ColorRefToPixel(Colors.BkgColor));
    const QRect area(0, 0, FullPanelRect.width(), FullPanelRect.height());
    if (!BackgroundSurface.isNull()) {
        QPainter painter(&BackSurface);
        painter.drawImage(area, BackgroundSurface);
    }
    if (!ListSurface.isNull())
        CopyKeyed(BackSurface, ListRect.topLeft(), ListSurface, ListRect);
    baseSurface_ = BackSurface.copy();
    drawnBandSerial_ = serial_;
    if (!BandSurface.isNull()) {
        const QPoint bandAt(DyPanelRect.left(), DyPanelRect.top() - FullPanelRect.top());
        const QRect ink = bandCopyRect();
        CopyKeyed(BackSurface, bandAt + ink.topLeft(), BandSurface, ink);
    }
    emit presented(BackSurface.rect());
}

void TLrcView::presentBand() {
    if (BackSurface.isNull() || BandSurface.isNull() || baseSurface_.size() != BackSurface.size()) {
        Present();
        return;
    }
    // A tick that only moved the sweep changed a few columns of the band:
    // only those are put together again and repainted.
    const QRect changed = drawnBandSerial_ == serial_ ? BandChanged() : BandSurface.rect();
    const QPoint bandAt(DyPanelRect.left(), DyPanelRect.top() - FullPanelRect.top());
    const QRect area = changed.translated(bandAt).intersected(BackSurface.rect());
    drawnBandSerial_ = serial_;
    if (area.isEmpty())
        return;
    {
        QPainter painter(&BackSurface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(area.topLeft(), baseSurface_, area);
    }
    const QRect ink = bandCopyRect() & area.translated(-bandAt);
    CopyKeyed(BackSurface, bandAt + ink.topLeft(), BandSurface, ink);
    emit presented(area);
}

void TLrcView::redrawList() {
    DrawList();
    Present();
}

void TLrcView::MousePress(Qt::MouseButton button, int y) {
    if (button == Qt::LeftButton && y < ListRect.height()) {
        ManualScroll = true;
        WaitTimer.stop();
    }
    pressedY_ = y;
}

void TLrcView::MouseDrag(int y) {
    Scroll = DragScroll(Scroll, pressedY_, y, LineHeight, int(DisplayLines.Lines.size()), ListRect.height());
    pressedY_ = y;
    redrawList();
}

void TLrcView::MouseRelease(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        WaitTimer.start();
}

void TLrcView::ArrowKey(bool up, bool modifier) {
    ManualScroll = true;
    WaitTimer.stop();
    const int step = ArrowStep(modifier);
    Scroll =
        up ? ScrollUp(Scroll, step)
           : ScrollDown(Scroll, step, LineHeight, int(DisplayLines.Lines.size()), FullPanelRect.height());
    redrawList();
}

void TLrcView::KeyRelease() {
    if (ManualScroll)
        WaitTimer.start();
}
