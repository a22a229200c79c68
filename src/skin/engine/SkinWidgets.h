#pragma once

#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QWidget>

// The plain controls a skin is built from: an image, a panel and a label.

// An image control: draws its picture at (0, 0), or centred when `centred`;
// sized to the picture when `autoSize`.
class TKvImage : public QWidget {
    Q_OBJECT
public:
    explicit TKvImage(QWidget* parent);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    void SetAutoSize(bool on) { autoSize_ = on; }
    bool AutoSize() const { return autoSize_; }
    void SetCentred(bool on) { centred_ = on; }
    // An opaque image draws its picture as it is (with its alpha, when it
    // has one); a transparent one keys out the picture's bottom-left colour.
    void SetTransparent(bool on);
    void SetFill(const QColor& color) { fill_ = color; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
    bool autoSize_ = true;
    bool centred_ = false;
    bool transparent_ = true;
    QColor fill_;
};

// A panel: holds an image and child objects, fills itself with its colour and
// keeps its own shape (relative to its corner) for the window outline.
class TKvPanel : public QWidget {
    Q_OBJECT
public:
    explicit TKvPanel(QWidget* parent);
    void SetColor(const QColor& color);
    void SetShape(const QRegion& region) {
        shape_ = region;
        hasShape_ = true;
    }
    // The panel's rectangle cut to its own region when it has one.
    QRegion Shape() const;

private:
    QRegion shape_;
    bool hasShape_ = false;
};

// A label whose face can be a picture drawn by the information display.
class TKvLabel : public QLabel {
    Q_OBJECT
public:
    explicit TKvLabel(QWidget* parent);
    void SetFace(const QImage& face);
    void SetTransparent(bool on);
    bool Transparent() const { return transparent_; }
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage face_;
    bool transparent_ = true;
    QColor back_ = Qt::black;
};
