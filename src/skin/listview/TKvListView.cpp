#include "TKvListView.h"

#include "TKvControls.h"

#include <algorithm>
#include <qdrawutil.h>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace kvlist;

TKvListView::TKvListView(QWidget* parent)
    : QWidget(parent), font_(font()), fontColor_(palette().color(QPalette::Text)),
      color_(palette().color(QPalette::Base)), highLineColor_(palette().color(QPalette::Highlight)),
      highLineTextColor_(palette().color(QPalette::HighlightedText)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    horz_ = new TKvScrollBox(TKvScrollBox::Horizontal, this);
    vert_ = new TKvScrollBox(TKvScrollBox::Vertical, this);
    connect(horz_, &TKvScrollBox::OnScroll, this, &TKvListView::HorzScrolled);
    connect(vert_, &TKvScrollBox::OnScroll, this, &TKvListView::VertScrolled);
    resize(185, 150);
    LayoutBars();
    Recalculate();
}

TKvListView::~TKvListView() {
    // The bars own their panels, which may be children of this widget.
    delete corner_;
    delete horz_;
    delete vert_;
}

void TKvListView::SetBorderStyle(BorderStyleKind style) {
    borderStyle_ = style;
    LayoutBars();
    Recalculate();
    Repaint();
}

void TKvListView::SetCtl3D(bool on) {
    ctl3D_ = on;
    LayoutBars();
    Recalculate();
    Repaint();
}

void TKvListView::SetCtrlFont(const QFont& font) {
    font_ = font;
    const QFontMetrics metrics(font_);
    widths_.clear();
    for (const QString& line : items_)
        widths_.push_back(metrics.horizontalAdvance(line));
    Recalculate();
    Repaint();
}

void TKvListView::SetFontColor(const QColor& color) {
    fontColor_ = color;
    Repaint();
}

void TKvListView::SetColor(const QColor& color) {
    color_ = color;
    Repaint();
}

void TKvListView::SetItems(const QStringList& items) {
    items_ = items;
    selected_.assign(items_.size(), false);
    failed_.assign(items_.size(), false);
    itemIndex_ = -1;
    itemFocus_ = -1;
    SetCtrlFont(font_); // measures the lines, recalculates and repaints
    emit OnSelectionChanged();
}

void TKvListView::SetItemIndex(int index) {
    const int n = ClampIndex(index, items_.size());
    if (n >= 0)
        selected_[n] = true;
    const int old = itemIndex_;
    itemIndex_ = n;
    if (n >= 0 && n != old) {
        const int first = FirstVisibleForCursor(n, firstVisible_, visibleRows_);
        if (first != firstVisible_)
            vert_->SetPosition(first);
    }
    Repaint();
    emit OnSelectionChanged();
}

void TKvListView::SetItemFocus(int index) {
    itemFocus_ = ClampIndex(index, items_.size());
    Repaint();
}

void TKvListView::SetGlyph(const QImage& picture) {
    glyph_ = picture;
    Repaint();
}

void TKvListView::SetFocusColor(const QColor& color) {
    focusColor_ = color;
    Repaint();
}

void TKvListView::SetHighLineColor(const QColor& color) {
    highLineColor_ = color;
    Repaint();
}

void TKvListView::SetHighLineTextColor(const QColor& color) {
    highLineTextColor_ = color;
    Repaint();
}

void TKvListView::SetSkinImage(int slot, const QImage& picture) {
    if (slot == 0) {
        SetGlyph(picture);
        return;
    }
    if (slot < 1 || slot > 6)
        return;
    TKvScrollBox* bar = slot <= 3 ? horz_ : vert_;
    switch ((slot - 1) % 3) {
    case 0:
        bar->SetTrackImage(picture);
        if (!picture.isNull())
            bar->SetVisible(true);
        break;
    case 1:
        bar->SetBarStrip(picture);
        break;
    default:
        bar->SetButtonStrip(picture);
        break;
    }
}

void TKvListView::AppendItem(const QString& text) {
    items_.append(text);
    selected_.push_back(false);
    failed_.push_back(false);
    widths_.push_back(QFontMetrics(font_).horizontalAdvance(text));
    Recalculate();
    Repaint();
}

void TKvListView::RemoveItem(int row) {
    if (row < 0 || row >= items_.size())
        return;
    items_.removeAt(row);
    selected_.erase(selected_.begin() + row);
    failed_.erase(failed_.begin() + row);
    widths_.erase(widths_.begin() + row);
    if (itemFocus_ == row)
        itemFocus_ = -1;
    else if (itemFocus_ > row)
        --itemFocus_;
    const bool cursorRemoved = itemIndex_ == row;
    itemIndex_ = ClampIndex(itemIndex_, items_.size());
    if (cursorRemoved && itemIndex_ >= 0)
        selected_[itemIndex_] = true;
    Recalculate();
    Repaint();
    emit OnSelectionChanged();
}

void TKvListView::SetItemText(int row, const QString& text) {
    if (row < 0 || row >= items_.size())
        return;
    items_[row] = text;
    widths_[row] = QFontMetrics(font_).horizontalAdvance(text);
    Recalculate();
    Repaint();
}

void TKvListView::SetItemFailed(int row, bool failed) {
    if (row < 0 || row >= items_.size() || failed_[row] == failed)
        return;
    failed_[row] = failed;
    Repaint();
}

bool TKvListView::ItemFailed(int row) const {
    return row >= 0 && row < static_cast<int>(failed_.size()) && failed_[row];
}

bool TKvListView::Selected(int row) const {
    return row >= 0 && row < static_cast<int>(selected_.size()) && selected_[row];
}

QList<int> TKvListView::SelectedRows() const {
    QList<int> rows;
    for (int r = 0; r < static_cast<int>(selected_.size()); ++r) {
        if (selected_[r])
            rows.append(r);
    }
    return rows;
}

int TKvListView::BorderWidth() const {
    if (borderStyle_ == bsNone)
        return 0;
    return ctl3D_ ? 2 : 1;
}

void TKvListView::LayoutBars() {
    const int b = BorderWidth();
    QRect inner = rect().adjusted(b, b, -b, -b);
    const bool both = horz_->Visible() && vert_->Visible();
    const int vertWidth = vert_->Visible() ? vert_->Thickness() : 0;
    if (horz_->Visible()) {
        const int h = horz_->Thickness();
        horz_->Panel()->setGeometry(inner.left(), inner.bottom() - h + 1, inner.width() - vertWidth, h);
        inner.setBottom(inner.bottom() - h);
    }
    if (vert_->Visible()) {
        vert_->Panel()->setGeometry(inner.right() - vertWidth + 1, inner.top(), vertWidth, inner.height());
        inner.setRight(inner.right() - vertWidth);
    }
    if (both) {
        if (!corner_) {
            corner_ = new KvListView::TKvPanel(this);
            corner_->show();
        }
        const QRect bar = horz_->Panel()->geometry();
        corner_->setGeometry(bar.right() + 1, bar.top(), vertWidth, bar.height());
    } else if (corner_) {
        delete corner_;
        corner_ = nullptr;
    }
    surface_ = inner.isValid() ? inner : QRect(inner.topLeft(), QSize(0, 0));
}

void TKvListView::BarVisibilityChanged() {
    LayoutBars();
    Recalculate();
    Repaint();
}

void TKvListView::Recalculate() {
    rowHeight_ = kvlist::RowHeight(QFontMetrics(font_).height());
    widestLine_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
    visibleRows_ = kvlist::VisibleRows(surface_.height(), rowHeight_);
    horz_->SetMax(HorzMax(widestLine_, surface_.width()));
    vert_->SetMax(VertMax(items_.size(), visibleRows_));
    horzPosition_ = horz_->Position();
    firstVisible_ = vert_->Position();
}

void TKvListView::Repaint() {
    // Every change of rows, selection, colours, fonts, pictures or scroll
    // position comes through here; other paints reuse the picture.
    surfaceStale_ = true;
    update();
}

void TKvListView::HorzScrolled() {
    horzPosition_ = horz_->Position();
    Repaint();
}

void TKvListView::VertScrolled() {
    firstVisible_ = vert_->Position();
    Repaint();
}

QImage TKvListView::RenderSurface() const {
    const int w = surface_.width();
    const int h = surface_.height();
    // At the screen's resolution: on a scaled screen the rows stay sharp.
    const qreal ratio = devicePixelRatioF();
    QImage image(QSize(std::max(w, 1), std::max(h, 1)) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(color_);
    QPainter painter(&image);
    if (!glyph_.isNull())
        painter.drawImage(QRect(0, 0, w, h), glyph_);
    painter.setFont(font_);
    const int x = kMargin - horzPosition_ * kHorzStep;
    for (int r = firstVisible_; r < items_.size(); ++r) {
        const int y = (r - firstVisible_) * rowHeight_ + kMargin;
        if (y > h - 2 * kMargin)
            break;
        QColor text = fontColor_;
        if (selected_[r]) {
            const QRect band(x, y, (w - 2 * kMargin) - x, rowHeight_ - 1);
            painter.fillRect(band, highLineColor_);
            text = highLineTextColor_;
            if (r == itemIndex_) {
                painter.setPen(QPen(highLineTextColor_, 1, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(band.adjusted(0, 0, -1, -1));
            }
        }
        if (r == itemFocus_)
            text = focusColor_;
        QFont font = font_;
        if (failed_[r]) {
            const QColor back = selected_[r] ? highLineColor_ : color_;
            text = QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                          (text.blue() + back.blue()) / 2);
            font.setStrikeOut(true);
        }
        painter.setFont(font);
        painter.setPen(text);
        painter.drawText(QRect(x + 1, y + 1, std::max(widths_[r], 1) + 4, rowHeight_),
                         Qt::AlignLeft | Qt::AlignTop, items_[r]);
    }
    return image;
}

void TKvListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (borderStyle_ == bsSingle) {
        if (ctl3D_) {
            qDrawWinPanel(&painter, rect(), palette(), true);
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    if (surface_.isEmpty())
        return;
    const QSize logical(std::max(surface_.width(), 1), std::max(surface_.height(), 1));
    if (surfaceStale_ || surfaceImage_.size() != logical * devicePixelRatioF()) {
        surfaceImage_ = RenderSurface();
        surfaceStale_ = false;
        ++renders_;
    }
    const QImage& image = surfaceImage_;
    // Above a horizontal bar the surface's bottom 3 pixels keep the plain background.
    const int keep = horz_->Visible() ? std::max(surface_.height() - kMargin, 0) : surface_.height();
    painter.drawImage(
        QRectF(surface_.topLeft(), QSizeF(surface_.width(), keep)), image,
        QRectF(0, 0, surface_.width() * image.devicePixelRatio(), keep * image.devicePixelRatio()));
    if (keep < surface_.height())
        painter.fillRect(
            QRect(surface_.left(), surface_.top() + keep, surface_.width(), surface_.height() - keep),
            color_);
}

void TKvListView::resizeEvent(QResizeEvent*) {
    emit OnCtrlResize();
    LayoutBars();
    Recalculate();
    Repaint();
}

void TKvListView::SelectOnly(int row) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (row >= 0 && row < static_cast<int>(selected_.size()))
        selected_[row] = true;
}

void TKvListView::MoveCursorByKey(CursorKey key) {
    const int n = CursorAfterKey(key, itemIndex_, items_.size(), visibleRows_);
    if (n < 0)
        return;
    SelectOnly(n);
    SetItemIndex(n);
}

void TKvListView::keyPressEvent(QKeyEvent* event) {
    // The owner sees every key first; ignoring the event keeps the list from acting on it.
    event->accept();
    emit OnCtrlKeyDown(event);
    if (!event->isAccepted())
        return;
    switch (event->key()) {
    case Qt::Key_PageUp:
        MoveCursorByKey(CursorKey::PageUp);
        break;
    case Qt::Key_PageDown:
        MoveCursorByKey(CursorKey::PageDown);
        break;
    case Qt::Key_Up:
        MoveCursorByKey(CursorKey::Up);
        break;
    case Qt::Key_Down:
        MoveCursorByKey(CursorKey::Down);
        break;
    case Qt::Key_Home:
        MoveCursorByKey(CursorKey::Home);
        break;
    case Qt::Key_End:
        MoveCursorByKey(CursorKey::End);
        break;
    case Qt::Key_Left:
        if (horz_->Position() > 0)
            horz_->SetPosition(horz_->Position() - 1);
        break;
    case Qt::Key_Right:
        horz_->SetPosition(horz_->Position() + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (itemIndex_ >= 0)
            emit OnItemActivated(itemIndex_);
        break;
    default:
        event->ignore();
        break;
    }
}

void TKvListView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint() - surface_.topLeft();
    pressedOnRow_ = false;
    if (event->button() == Qt::LeftButton && surface_.contains(event->position().toPoint())) {
        const int row = RowAt(p.y(), rowHeight_, firstVisible_, items_.size());
        if (row >= 0) {
            pressedOnRow_ = true;
            const Qt::KeyboardModifiers mods = event->modifiers();
            const ClickKind kind = mods & Qt::ControlModifier ? ClickKind::Ctrl
                                   : mods & Qt::ShiftModifier ? ClickKind::Shift
                                                              : ClickKind::Plain;
            const int cursor = ApplyClick(selected_, row, itemIndex_, kind);
            if (cursor != itemIndex_)
                SetItemIndex(cursor);
            Repaint();
            emit OnSelectionChanged();
        }
    }
    emit OnMouseDown(event);
}

void TKvListView::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(event);
}

void TKvListView::mouseReleaseEvent(QMouseEvent* event) {
    emit OnMouseUp(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
}

void TKvListView::mouseDoubleClickEvent(QMouseEvent* event) {
    emit OnDblClick();
    if (event->button() != Qt::LeftButton || !surface_.contains(event->position().toPoint()))
        return;
    const QPoint p = event->position().toPoint() - surface_.topLeft();
    const int row = RowAt(p.y(), rowHeight_, firstVisible_, items_.size());
    if (row >= 0)
        emit OnItemActivated(row);
}

void TKvListView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const int notches = delta / 120 != 0 ? delta / 120 : (delta > 0 ? 1 : -1);
    vert_->SetPosition(vert_->Position() - notches * kWheelRows);
}

TFrameList::TFrameList(QWidget* parent) : TKvListView(parent) {
    HorzScrollBox()->SetVisible(false);
    VertScrollBox()->SetVisible(false);
}
