#include "MenuStyle.h"

#include "MenuMetrics.h"
#include "SidePicture.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

using namespace MenuMetrics;

namespace {

constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;

QColor shadowColor(const QPalette& palette) {
    return palette.color(QPalette::Dark);
}
QColor highlightColor(const QPalette& palette) {
    return palette.color(QPalette::Light);
}

QFont itemFont(const QStyleOptionMenuItem& item) {
    QFont font = item.font;
    if (item.menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setBold(true);
    return font;
}

} // namespace

MenuStyle::MenuStyle() : side_(SidePicture()) {}

bool MenuStyle::HasSideBar(const QWidget* menu) {
    return menu && menu->property("sorviSideBar").toBool();
}

QString MenuStyle::CaptionOf(const QStyleOptionMenuItem& item) {
    return item.text.section(QLatin1Char('\t'), 0, 0);
}

QString MenuStyle::HotKeyOf(const QStyleOptionMenuItem& item) {
    return item.text.section(QLatin1Char('\t'), 1);
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return kPanelWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    if (type == CT_Menu)
        return size;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const bool topLevel = HasSideBar(widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(topLevel ? kSideBarWidth : 1, kSeparatorHeight); // an empty size would drop the item
    const QFontMetrics metrics(itemFont(*item));
    const int caption =
        metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, CaptionOf(*item)).width();
    const QString hotKey = HotKeyOf(*item);
    const int hotKeyWidth = hotKey.isEmpty() ? 0 : metrics.horizontalAdvance(hotKey);
    return QSize(ItemWidth(caption, hotKeyWidth, topLevel), kRowHeight);
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (element == PE_PanelMenu) {
        painter->fillRect(option->rect, Background());
        return;
    }
    if (element == PE_FrameMenu) {
        painter->save();
        painter->setPen(shadowColor(option->palette).darker(115));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item) {
        drawItem(*item, painter, widget);
        return;
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, Background());
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuStyle::drawSideStrip(const QStyleOptionMenuItem& item, QPainter* painter) const {
    // The picture hangs from the menu's top-left corner; below its foot the
    // strip is black.
    const QRect strip(item.rect.left(), item.rect.top(), kSideBarWidth, item.rect.height());
    painter->save();
    painter->setClipRect(strip);
    painter->fillRect(strip, Qt::black);
    painter->drawImage(QPoint(item.rect.left(), item.menuRect.top() + kPanelWidth), side_);
    painter->restore();
}

void MenuStyle::drawSelection(const QRect& body, const QStyleOptionMenuItem& item, QPainter* painter) const {
    // A one-pixel checker of the menu ground and the tool-tip ground.
    QImage checker(2, 2, QImage::Format_RGB32);
    const QRgb ground = Background().rgb();
    const QRgb tip = item.palette.color(QPalette::ToolTipBase).rgb();
    checker.setPixel(0, 0, ground);
    checker.setPixel(1, 1, ground);
    checker.setPixel(1, 0, tip);
    checker.setPixel(0, 1, tip);
    const QRect inner = body.adjusted(1, 1, -1, -1);
    painter->save();
    painter->setBrushOrigin(inner.topLeft());
    painter->fillRect(inner, QBrush(checker));
    // Sunken frame: shadow above and left, highlight below and right.
    painter->setPen(shadowColor(item.palette));
    painter->drawLine(body.topLeft(), body.topRight());
    painter->drawLine(body.topLeft(), body.bottomLeft());
    painter->setPen(highlightColor(item.palette));
    painter->drawLine(body.bottomLeft(), body.bottomRight());
    painter->drawLine(body.topRight(), body.bottomRight());
    painter->restore();
}

void MenuStyle::drawCheck(const QRect& box, QPainter* painter, bool enabled) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    const QPointF c = QRectF(box).center();
    tick.moveTo(c.x() - 4, c.y());
    tick.lineTo(c.x() - 1.5, c.y() + 3);
    tick.lineTo(c.x() + 4, c.y() - 3.5);
    if (!enabled) {
        painter->setPen(QPen(Qt::white, 2));
        painter->drawPath(tick.translated(1, 1));
    }
    painter->setPen(QPen(enabled ? QColor(Qt::black) : DisabledText(), 2));
    painter->drawPath(tick);
    painter->restore();
}

void MenuStyle::drawArrow(const QRect& item, QPainter* painter, bool enabled) const {
    const int x = item.right() - kArrowColumn + 6;
    const int y = item.center().y();
    QPolygon arrow;
    arrow << QPoint(x, y - 4) << QPoint(x + 4, y) << QPoint(x, y + 4);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(enabled ? QColor(Qt::black) : DisabledText());
    painter->drawPolygon(arrow);
    painter->restore();
}

void MenuStyle::drawItem(const QStyleOptionMenuItem& item, QPainter* painter, const QWidget* widget) const {
    const bool topLevel = HasSideBar(widget);
    if (topLevel)
        drawSideStrip(item, painter);
    const QRect body = item.rect.adjusted(topLevel ? kSideBarWidth : 0, 0, 0, 0);

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(body, Background());
        const int y = body.top() + body.height() / 2 - 1;
        painter->setPen(shadowColor(item.palette));
        painter->drawLine(body.left() + 1, y, body.right() - 1, y);
        painter->setPen(highlightColor(item.palette));
        painter->drawLine(body.left() + 1, y + 1, body.right() - 1, y + 1);
        return;
    }

    const bool enabled = item.state & State_Enabled;
    if (item.state & State_Selected)
        drawSelection(body, item, painter);
    else
        painter->fillRect(body, Background());

    const QRect imageBox(body.left() + 1, body.top(), kImageColumn, body.height());
    if (!item.icon.isNull()) {
        const QPixmap image = item.icon.pixmap(QSize(16, 16), enabled ? QIcon::Normal : QIcon::Disabled);
        painter->drawPixmap(imageBox.left() + (imageBox.width() - 16) / 2,
                            imageBox.top() + (imageBox.height() - 16) / 2, image);
    } else if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        drawCheck(imageBox, painter, enabled);
    }

    painter->save();
    painter->setFont(itemFont(item));
    const QRect text(body.left() + kTextOffset, body.top(), body.width() - kTextOffset - kHotKeyRightMargin,
                     body.height());
    const QString caption = CaptionOf(item);
    const QString hotKey = HotKeyOf(item);
    if (!enabled) {
        painter->setPen(Qt::white);
        painter->drawText(text.translated(1, 1), kTextFlags | Qt::AlignLeft, caption);
        if (!hotKey.isEmpty())
            painter->drawText(text.translated(1, 1), Qt::AlignVCenter | Qt::AlignRight, hotKey);
    }
    painter->setPen(enabled ? QColor(Qt::black) : DisabledText());
    painter->drawText(text, kTextFlags | Qt::AlignLeft, caption);
    if (!hotKey.isEmpty())
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignRight, hotKey);
    painter->restore();

    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        drawArrow(body, painter, enabled);
}
