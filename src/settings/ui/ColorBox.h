#pragma once

#include "ColorText.h"

#include <QComboBox>
#include <QString>

// A colour chooser in a drop-down list: the sixteen standard colours, and a
// "Custom" row for any other colour. It carries the "Options.ini" key of the
// colour it edits. colorPicked() fires only when the user picks a row;
// SetColor() from code stays silent.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    ColorBox(const QString& key, QWidget* parent = nullptr);

    const QString& Key() const { return key_; }
    ColorRef Color() const;
    void SetColor(ColorRef color);

signals:
    void colorPicked(ColorRef color);

private:
    QString key_;
    int customRow_ = -1;
};
