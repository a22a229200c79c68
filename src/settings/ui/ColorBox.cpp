#include "ColorBox.h"

#include "QtForms.h"

#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColor {
    const char* name;
    ColorRef color; // 0x00BBGGRR
};

constexpr NamedColor kStandard[] = {
    {QT_TRANSLATE_NOOP("ColorBox", "Black"), 0x000000},  {QT_TRANSLATE_NOOP("ColorBox", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("ColorBox", "Green"), 0x008000},  {QT_TRANSLATE_NOOP("ColorBox", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("ColorBox", "Navy"), 0x800000},   {QT_TRANSLATE_NOOP("ColorBox", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("ColorBox", "Teal"), 0x808000},   {QT_TRANSLATE_NOOP("ColorBox", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("ColorBox", "Silver"), 0xC0C0C0}, {QT_TRANSLATE_NOOP("ColorBox", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("ColorBox", "Lime"), 0x00FF00},   {QT_TRANSLATE_NOOP("ColorBox", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("ColorBox", "Blue"), 0xFF0000},   {QT_TRANSLATE_NOOP("ColorBox", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("ColorBox", "Aqua"), 0xFFFF00},   {QT_TRANSLATE_NOOP("ColorBox", "White"), 0xFFFFFF},
};

QIcon Swatch(ColorRef color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ColorRefToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColorBox::ColorBox(const QString& key, QWidget* parent) : QComboBox(parent), key_(key) {
    setObjectName(key);
    setToolTip(key);
    for (const NamedColor& c : kStandard)
        addItem(Swatch(c.color), tr(c.name), QVariant::fromValue<uint>(c.color));
    connect(this, &QComboBox::activated, this, [this](int) { emit colorPicked(Color()); });
}

ColorRef ColorBox::Color() const {
    return currentIndex() < 0 ? 0 : currentData().value<uint>();
}

void ColorBox::SetColor(ColorRef color) {
    const int row = findData(QVariant::fromValue<uint>(color));
    if (row >= 0 && row != customRow_) {
        setCurrentIndex(row);
        return;
    }
    // A colour outside the standard rows goes into the one custom row.
    if (customRow_ < 0) {
        addItem(QString(), QVariant());
        customRow_ = count() - 1;
    }
    setItemIcon(customRow_, Swatch(color));
    setItemText(customRow_, tr("Custom"));
    setItemData(customRow_, QVariant::fromValue<uint>(color));
    setCurrentIndex(customRow_);
}
