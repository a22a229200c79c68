#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class QMouseEvent;

// The list view's own image and panel controls. They live in their own
// namespace because the skin engine has image and panel controls of the same
// names for the rest of a skin's face.
namespace KvListView {

// An image control: shows a picture (sized to it, stretched, or centred) and
// reports the pointer entering and leaving it besides the mouse events.
// Transparent images let their parent show through the picture's alpha (and
// through everywhere outside the picture); opaque ones fill with Color first.
class TKvImage : public QWidget {
    Q_OBJECT
public:
    explicit TKvImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    // With AutoSize on, the control takes the picture's size.
    void SetPicture(const QImage& picture);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    const QColor& Color() const { return color_; }
    void SetColor(const QColor& color);

signals:
    void OnEnter(TKvImage* sender);
    void OnExit(TKvImage* sender);
    void OnMouseDown(TKvImage* sender, QMouseEvent* event);
    void OnMouseMove(TKvImage* sender, QMouseEvent* event);
    void OnMouseUp(TKvImage* sender, QMouseEvent* event);
    void OnClick(TKvImage* sender);
    void OnDblClick(TKvImage* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyAttributes();

    QImage picture_;
    QColor color_ = Qt::black;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
};

// A panel that paints itself in one step (no separate background erase): its
// Color, then its children on top.
class TKvPanel : public QWidget {
    Q_OBJECT
public:
    explicit TKvPanel(QWidget* parent = nullptr);

    const QColor& Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace KvListView
