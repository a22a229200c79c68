#pragma once

#include <QImage>
#include <QProxyStyle>

class QStyleOptionMenuItem;

// The look of the player's pop-up menu, drawn entirely by us: 22-pixel rows on
// a light grey ground, etched separators, a framed and checkered selection,
// item images or a check glyph, grey embossed text for disabled items, the
// hot-key text right of the caption, and on the top-level menu a strip at the
// left with the side picture. A menu is top-level when its "sorviSideBar"
// property is true.
class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuStyle();

    static bool HasSideBar(const QWidget* menu);
    // Caption and hot-key text of an item ("caption\thot key").
    static QString CaptionOf(const QStyleOptionMenuItem& item);
    static QString HotKeyOf(const QStyleOptionMenuItem& item);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    void drawItem(const QStyleOptionMenuItem& item, QPainter* painter, const QWidget* widget) const;
    void drawSideStrip(const QStyleOptionMenuItem& item, QPainter* painter) const;
    void drawSelection(const QRect& body, const QStyleOptionMenuItem& item, QPainter* painter) const;
    void drawCheck(const QRect& box, QPainter* painter, bool enabled) const;
    void drawArrow(const QRect& item, QPainter* painter, bool enabled) const;

    QImage side_;
};
