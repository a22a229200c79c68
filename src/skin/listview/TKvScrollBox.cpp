#include "TKvScrollBox.h"

#include "TKvControls.h"
#include "TKvListView.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace kvlist;

// The bar's panel: draws the bar in one step and hands its mouse events to the box.
class ScrollBoxPanel : public KvListView::TKvPanel {
public:
    explicit ScrollBoxPanel(TKvScrollBox* box) : box_(box) { setMouseTracking(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, box_->Render());
    }
    void enterEvent(QEnterEvent* event) override { box_->MouseEnter(event->position().toPoint()); }
    void leaveEvent(QEvent*) override { box_->MouseLeave(); }
    void mousePressEvent(QMouseEvent* event) override {
        box_->MouseDown(event->button(), event->position().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        box_->MouseDown(event->button(), event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        box_->MouseMove(event->position().toPoint(), event->buttons());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        box_->MouseUp(event->button(), event->position().toPoint());
    }

private:
    TKvScrollBox* box_;
};

TKvScrollBox::TKvScrollBox(Kind kind, TKvListView* listView)
    : QObject(listView), kind_(kind), listView_(listView), panel_(new ScrollBoxPanel(this)) {
    panel_->resize(kDefaultBarThickness, kDefaultBarThickness);
    panel_->hide();
    repeatTimer_.setSingleShot(false);
    connect(&repeatTimer_, &QTimer::timeout, this, &TKvScrollBox::RepeatTick);
}

TKvScrollBox::~TKvScrollBox() {
    delete panel_;
}

KvListView::TKvPanel* TKvScrollBox::Panel() const {
    return panel_;
}

void TKvScrollBox::SetVisible(bool visible) {
    wanted_ = visible;
    ApplyVisibility();
}

void TKvScrollBox::SetOnlyWhenNeeded(bool onlyWhenNeeded) {
    onlyWhenNeeded_ = onlyWhenNeeded;
    ApplyVisibility();
}

void TKvScrollBox::ApplyVisibility() {
    const bool visible = wanted_ && (!onlyWhenNeeded_ || range_.Max() > 0);
    if (visible == visible_)
        return;
    visible_ = visible;
    if (visible) {
        panel_->setParent(listView_);
        panel_->show();
    } else {
        panel_->hide();
        panel_->setParent(nullptr);
        MouseLeave();
    }
    listView_->BarVisibilityChanged();
}

void TKvScrollBox::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        MouseLeave();
}

void TKvScrollBox::SetTrackImage(const QImage& picture) {
    track_ = picture;
    listView_->BarVisibilityChanged();
    Refresh();
}

void TKvScrollBox::SetBarImage(const QList<QImage>& frames) {
    barFrames_ = frames;
    Refresh();
}

void TKvScrollBox::SetImageList(const QList<QImage>& frames) {
    buttonFrames_ = frames;
    Refresh();
}

void TKvScrollBox::SetMax(int max) {
    const int old = range_.Position();
    range_.SetMax(max);
    if (range_.Position() != old)
        emit OnScroll(this);
    Refresh();
    // The list view lays itself out again when the bar comes or goes; the
    // vertical range does not depend on the bar's own width, so this settles.
    if (onlyWhenNeeded_)
        ApplyVisibility();
}

void TKvScrollBox::SetPosition(int position) {
    if (range_.SetPosition(position))
        emit OnScroll(this);
    Refresh();
}

int TKvScrollBox::Thickness() const {
    if (track_.isNull())
        return kDefaultBarThickness;
    return kind_ == Vertical ? track_.width() : track_.height();
}

ScrollGeometry TKvScrollBox::Geometry() const {
    auto lengthOf = [this](const QImage& frame) {
        return kind_ == Vertical ? frame.height() : frame.width();
    };
    ScrollGeometry g;
    g.length = kind_ == Vertical ? panel_->height() : panel_->width();
    g.firstButton = buttonFrames_.size() > 0 ? lengthOf(buttonFrames_[0]) : 0;
    g.secondButton = buttonFrames_.size() > 3 ? lengthOf(buttonFrames_[3]) : g.firstButton;
    g.thumb = barFrames_.isEmpty() ? 0 : lengthOf(barFrames_[0]);
    return g;
}

int TKvScrollBox::FrameOf(ScrollPart part) const {
    if (part == PartTrack || part == PartNone)
        return 0;
    if (leftHeld_ && pressedPart_ == part)
        return 2;
    return hotPart_ == part ? 1 : 0;
}

QImage TKvScrollBox::Render() const {
    const QSize size = panel_->size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(panel_->Color());
    QPainter painter(&image);
    const ScrollGeometry g = Geometry();
    const int thick = kind_ == Vertical ? size.width() : size.height();
    auto span = [&](int start, int length) {
        return kind_ == Vertical ? QRect(0, start, thick, length) : QRect(start, 0, length, thick);
    };
    const QRect track = span(g.TrackStart(), g.TrackLength());
    if (!track_.isNull()) {
        painter.drawImage(track, track_);
    } else {
        painter.fillRect(track, panel_->palette().color(QPalette::Midlight));
    }
    auto frame = [](const QList<QImage>& frames, int index) {
        return index < frames.size() ? frames[index] : QImage();
    };
    const QImage first = frame(buttonFrames_, FrameOf(PartFirstButton));
    if (!first.isNull())
        painter.drawImage(span(0, g.firstButton), first);
    const QImage second = frame(buttonFrames_, 3 + FrameOf(PartSecondButton));
    if (!second.isNull())
        painter.drawImage(span(g.TrackEnd(), g.secondButton), second);
    const QImage thumb = frame(barFrames_, FrameOf(PartThumb));
    if (!thumb.isNull() && g.thumb > 0) {
        const int at = dragging_ ? g.TrackStart() + dragThumbOffset_ : g.ThumbCoordinate(Position(), Max());
        const QRect box = span(at, g.thumb);
        painter.drawImage(box.x() + (box.width() - thumb.width()) / 2,
                          box.y() + (box.height() - thumb.height()) / 2, thumb);
    }
    return image;
}

int TKvScrollBox::Along(QPoint point) const {
    return kind_ == Vertical ? point.y() : point.x();
}

int TKvScrollBox::Page() const {
    const int row = std::max(listView_->RowHeight(), 1);
    return std::max(listView_->height() / row, 1);
}

void TKvScrollBox::MouseEnter(QPoint point) {
    if (!listView_->isEnabled() || !enabled_)
        return;
    const ScrollGeometry g = Geometry();
    hotPart_ = g.PartAt(Along(point), g.ThumbCoordinate(Position(), Max()));
    Refresh();
}

void TKvScrollBox::MouseLeave() {
    hotPart_ = PartNone;
    repeatTimer_.stop();
    Refresh();
}

void TKvScrollBox::MouseDown(Qt::MouseButton button, QPoint point) {
    if (!listView_->isEnabled() || !enabled_)
        return;
    buttonState_ = button == Qt::LeftButton ? 0 : button == Qt::RightButton ? 1 : 2;
    const ScrollGeometry g = Geometry();
    const int thumbAt = g.ThumbCoordinate(Position(), Max());
    pressedPart_ = g.PartAt(Along(point), thumbAt);
    if (button != Qt::LeftButton)
        return;
    leftHeld_ = true;
    pressOffset_ = Along(point);
    switch (pressedPart_) {
    case PartFirstButton:
        SetPosition(Position() - 1);
        break;
    case PartSecondButton:
        SetPosition(Position() + 1);
        break;
    case PartThumb:
        dragging_ = true;
        pressThumbOffset_ = thumbAt - g.TrackStart();
        dragThumbOffset_ = pressThumbOffset_;
        break;
    case PartTrack:
        SetPosition(pressOffset_ < thumbAt ? Position() - Page() : Position() + Page());
        break;
    default:
        break;
    }
    if (pressedPart_ == PartFirstButton || pressedPart_ == PartSecondButton || pressedPart_ == PartTrack)
        repeatTimer_.start(schedule_.Start());
    Refresh();
}

void TKvScrollBox::RepeatTick() {
    repeatTimer_.setInterval(schedule_.Tick());
    switch (pressedPart_) {
    case PartFirstButton:
        SetPosition(Position() - 1);
        break;
    case PartSecondButton:
        SetPosition(Position() + 1);
        break;
    case PartTrack:
        SetPosition(TrackRepeatStep(Position(), Geometry().PositionUnder(pressOffset_, Max())));
        break;
    default:
        repeatTimer_.stop();
        break;
    }
}

void TKvScrollBox::MouseMove(QPoint point, Qt::MouseButtons buttons) {
    if (dragging_) {
        const ScrollGeometry g = Geometry();
        dragThumbOffset_ = g.DraggedThumbOffset(pressThumbOffset_, Along(point) - pressOffset_);
        SetPosition(g.PositionForThumbOffset(dragThumbOffset_, Max()));
        Refresh();
        return;
    }
    if (buttons == Qt::NoButton)
        MouseEnter(point);
}

void TKvScrollBox::MouseUp(Qt::MouseButton button, QPoint point) {
    repeatTimer_.stop();
    buttonState_ = 2;
    leftHeld_ = false;
    dragging_ = false;
    pressedPart_ = PartNone;
    const bool inside = QRect(QPoint(0, 0), panel_->size()).contains(point);
    if (inside && listView_->isEnabled() && enabled_) {
        const ScrollGeometry g = Geometry();
        hotPart_ = g.PartAt(Along(point), g.ThumbCoordinate(Position(), Max()));
    } else {
        hotPart_ = PartNone;
    }
    Refresh();
}

void TKvScrollBox::Refresh() {
    panel_->update();
}
