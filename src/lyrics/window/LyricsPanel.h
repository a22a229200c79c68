#pragma once

#include <QWidget>

class TLrcView;

// FullPanel, the lyrics window's drawing area: shows the view's composed back
// surface in one paint and hands the mouse to the view for manual scrolling.
class LyricsPanel : public QWidget {
    Q_OBJECT
public:
    LyricsPanel(TLrcView& view, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TLrcView& view_;
};

// The black 45 by 23 box at the right of the tool strip that shows the
// player's shared animation frame.
class AnimationBox : public QWidget {
    Q_OBJECT
public:
    explicit AnimationBox(QWidget* parent);
    void SetFrame(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int frame_ = 0;
};
