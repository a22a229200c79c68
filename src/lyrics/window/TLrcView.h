#pragma once

#include "BandLayers.h"
#include "KaraokeBand.h"
#include "LyricsLinePictures.h"
#include "LrcModel.h"
#include "LyricsOptions.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>

class TOption;

// Everything the lyrics window draws, without the window: the lines and the
// current one, the list's scroll position, the karaoke band and the surfaces
// they are composed in. The window hands it its geometry, the mouse and the
// keys, and paints BackSurface.
class TLrcView : public QObject {
    Q_OBJECT
public:
    // Manual scrolling gives way to automatic scrolling this long after the
    // last key or mouse-button release.
    static constexpr int kWaitMs = 2000;

    explicit TLrcView(const TOption& option, QObject* parent = nullptr);

    // --- settings ---
    // Fonts (drawn without anti-aliasing, so every text pixel is exactly the
    // text colour and the key colour stays exact) and colours.
    void SetOptions(const TLyricsOptions& options, const QFont& lyricsFont, const QFont& bandFont);
    void SetBackground(const QImage& picture) {
        BackgroundSurface = picture;
        ++serial_;
    }

    // --- lyrics ---
    // Forgets the lines and resets the band (the start of every load).
    void ClearLyrics();
    // Takes a loaded record: sorts it and derives the display lines.
    void SetLyrics(const TLrcRec& lrc);

    // --- geometry: the client size of the window, FullPanel's and DyPanel's
    // rectangles in it. Rebuilds the surfaces and runs UpdateLyrics.
    void Resize(const QSize& client, const QRect& fullPanel, const QRect& dyPanel);

    // --- drawing ---
    // Draws what changed since the last picture: the list when its line,
    // scroll or notice moved, the band when its pieces or sweep moved, and
    // presents only then, so a tick that changes nothing costs no drawing.
    void UpdateLyrics();
    void DrawList();
    void DrawBand();
    // Composes everything anew (background, list, band).
    void Present();

    // --- manual scrolling ---
    void MousePress(Qt::MouseButton button, int y);
    void MouseDrag(int y); // with the left button held
    void MouseRelease(Qt::MouseButton button);
    void ArrowKey(bool up, bool modifier);
    void KeyRelease();

    // --- state ---
    // Shown in the list's place while there are no lines ("no lyrics").
    QString Notice;
    TLrcRec Lrc;
    TLrcRec DisplayLines;
    int CurrentLine = -1;
    bool Busy = false;
    bool ManualScroll = false;
    int Scroll = 0;
    QRect ListRect;
    int ListX = 0;
    int LineHeight = 0;
    int MaxLineWidth = 0;
    int BandLineHeight = 0;
    QFont LyricsFont;
    QFont BandFont;
    TLyricsOptions Colors;
    TKaraokeBand Band;

    QImage BackSurface;
    QImage BackgroundSurface;
    QImage ListSurface;
    QImage BandSurface;
    QTimer WaitTimer;

    // What the last DrawBand painted, in order.
    const std::vector<BandPiece>& BandPieces() const { return bandPieces_; }
    // How many line pictures are kept (those of the lines in view).
    int KeptLinePictures() const { return linePictures_.Count(); }
    // The part of the band surface the last update changed.
    QRect BandChanged() const { return bandLayers_.Changed(); }

    QRect FullPanelRect; // in the back surface
    QRect DyPanelRect;

signals:
    // A new picture was composed in `area` of BackSurface: the window repaints it.
    void presented(const QRect& area);

private:
    // What the list picture shows; drawing again is needed when it differs.
    struct ListState {
        int line = -2;
        int scroll = 0;
        int x = 0;
        QString notice;
        quint64 serial = 0;
        bool operator==(const ListState&) const = default;
    };
    ListState listState() const;
    // Puts the band's surface over the kept list picture and presents the band alone.
    void presentBand();
    // The part of the band surface that may differ from the key colour.
    QRect bandCopyRect() const;
    void redrawList();
    void measureLines();

    const TOption& option_;
    int pressedY_ = 0;
    std::vector<BandPiece> bandPieces_;
    BandLayers bandLayers_;
    // Bumped by every change of fonts, colours, background, lines or surfaces.
    quint64 serial_ = 1;
    ListState drawnList_;
    LyricsLinePictures linePictures_; // of the lines in view
    quint64 drawnBandSerial_ = 0;
    QRect bandInk_; // rows of the band surface the last DrawBand inked
    // BackSurface with the background and the list, before the band went on.
    QImage baseSurface_;
};
