#pragma once

// TKvListView: an owner-drawn list of text lines with a stretched background
// picture and two picture scroll bars; the skin's play list (TFrameList).
//
// Usage:
//   auto* list = new TFrameList(parent);           // both bars hidden
//   list->setGeometry(45, 47, 173, 141);
//   list->SetCtrlFont(font); list->SetFontColor(textColor);
//   list->SetColor(background);                     // skin colour 400
//   list->SetHighLineColor(c401); list->SetHighLineTextColor(c402);
//   list->SetFocusColor(c403);                      // the playing row's text
//   list->SetCtl3D(true);                           // sunken edge ("是")
//   for (slot 0..6) list->SetSkinImage(slot, image); // see SetSkinImage
//   list->SetItems(rows);                           // ItemIndex, ItemFocus := -1
//   list->SetItemFocus(currentIndex);               // the playing song
//   list->AppendItem(row); list->RemoveItem(i); list->SetItemText(i, text);
// Signals:
//   OnCtrlKeyDown(QKeyEvent*)  every key, before the list's own handling
//                              (event->ignore() keeps the list from acting on it;
//                              Delete is left to the owner);
//   OnItemActivated(int row)   after a double click on a row or Enter on the cursor row;
//   OnDblClick(), OnClick(), OnMouseDown/Move/Up(QMouseEvent*) as received;
//   OnCtrlResize()             on every resize, before the layout is recomputed;
//   OnSelectionChanged()       the cursor or the selected rows changed.
// A play-list mirror maps SetRows to SetItems + SetItemFocus, AppendRow to
// AppendItem, RemoveRow to RemoveItem, SetRowText to SetItemText.
// The bars' panels are KvListView::TKvPanel (namespaced, apart from the skin's).
// Pictures keep their own sizes; strips are cut into equal frames and magenta
// (0xFF00FF) is transparent in them.

#include "TKvScrollBox.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace KvListView {
class TKvPanel;
}

class TKvListView : public QWidget {
    Q_OBJECT
public:
    enum BorderStyleKind { bsNone = 0, bsSingle = 1 };

    explicit TKvListView(QWidget* parent = nullptr);
    ~TKvListView() override;

    // --- properties ---
    BorderStyleKind BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyleKind style);
    // With BorderStyle single: a sunken 2-pixel client edge instead of a 1-pixel line.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);
    const QFont& CtrlFont() const { return font_; }
    void SetCtrlFont(const QFont& font);
    // Text colour of ordinary rows (the font's colour in a skin font string).
    const QColor& FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    // Background under the glyph (the system window colour by default).
    const QColor& Color() const { return color_; }
    void SetColor(const QColor& color);
    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    int ItemIndex() const { return itemIndex_; }
    // Moves the cursor (clamped to -1 ... count - 1), selects its row and
    // scrolls just enough to show it.
    void SetItemIndex(int index);
    int ItemFocus() const { return itemFocus_; }
    void SetItemFocus(int index);
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& picture);
    const QColor& FocusColor() const { return focusColor_; }
    void SetFocusColor(const QColor& color);
    const QColor& HighLineColor() const { return highLineColor_; }
    void SetHighLineColor(const QColor& color);
    const QColor& HighLineTextColor() const { return highLineTextColor_; }
    void SetHighLineTextColor(const QColor& color);
    TKvScrollBox* HorzScrollBox() const { return horz_; }
    TKvScrollBox* VertScrollBox() const { return vert_; }

    // A skin picture slot: 0 Glyph; 1 horizontal track (also shows the
    // horizontal bar); 2 horizontal thumb strip (3 frames); 3 horizontal arrow
    // strip (6 frames); 4, 5, 6 the same for the vertical bar. Other slots are ignored.
    void SetSkinImage(int slot, const QImage& picture);

    // --- rows, for a view that mirrors a play list ---
    void AppendItem(const QString& text);
    // Removes a row; later rows move up. The focus follows its row (-1 when
    // that row went); the cursor keeps its index, or the last row when past the end.
    void RemoveItem(int row);
    void SetItemText(int row, const QString& text);
    // A row whose song could not be played: drawn struck out in a colour
    // halfway to the background.
    void SetItemFailed(int row, bool failed);
    bool ItemFailed(int row) const;
    bool Selected(int row) const;
    // Selected rows in order.
    QList<int> SelectedRows() const;

    // --- layout and drawing ---
    void Recalculate();
    void Repaint();
    int RowHeight() const { return rowHeight_; }
    int VisibleRows() const { return visibleRows_; }
    int WidestLine() const { return widestLine_; }
    int FirstVisibleRow() const { return firstVisible_; }
    // The client area left for the lines (inside the border, beside the bars).
    QRect SurfaceRect() const { return surface_; }
    // The corner panel between two visible bars (null otherwise).
    KvListView::TKvPanel* CornerPanel() const { return corner_; }
    // The lines drawn off-screen at the surface's size (what the control shows).
    QImage RenderSurface() const;
    // How often paint events rendered the lines anew (tests).
    int Renders() const { return renders_; }

signals:
    void OnCtrlKeyDown(QKeyEvent* event);
    void OnCtrlResize();
    void OnItemActivated(int row);
    void OnClick();
    void OnDblClick();
    void OnMouseDown(QMouseEvent* event);
    void OnMouseMove(QMouseEvent* event);
    void OnMouseUp(QMouseEvent* event);
    void OnSelectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class TKvScrollBox;
    void BarVisibilityChanged();
    void HorzScrolled();
    void VertScrolled();
    void MoveCursorByKey(kvlist::CursorKey key);
    void SelectOnly(int row);
    int BorderWidth() const;
    void LayoutBars();

    BorderStyleKind borderStyle_ = bsSingle;
    bool ctl3D_ = false;
    QFont font_;
    QColor fontColor_;
    QColor color_;
    QStringList items_;
    QImage surfaceImage_;      // the rows as last rendered
    bool surfaceStale_ = true; // something shown changed since
    int renders_ = 0;
    std::vector<bool> selected_;
    std::vector<bool> failed_;
    int itemIndex_ = -1;
    int itemFocus_ = -1;
    QImage glyph_;
    QColor focusColor_ = QColor(0x00, 0xFF, 0x00);
    QColor highLineColor_;
    QColor highLineTextColor_;
    TKvScrollBox* horz_ = nullptr;
    TKvScrollBox* vert_ = nullptr;
    KvListView::TKvPanel* corner_ = nullptr;
    QRect surface_;
    int firstVisible_ = 0;
    int rowHeight_ = 1;
    int visibleRows_ = 0;
    int widestLine_ = 0;
    int horzPosition_ = 0;
    bool pressedOnRow_ = false;
    std::vector<int> widths_; // text width of each line in CtrlFont
};

// The skin's play-list control: a list view whose two bars start hidden (the
// skin shows a bar by giving it a track picture).
class TFrameList : public TKvListView {
    Q_OBJECT
public:
    explicit TFrameList(QWidget* parent = nullptr);
};
