#pragma once

#include <QImage>
#include <QString>

// Pictures of skin objects as the controls show them.

// A 32-bit bitmap whose fourth bytes are not all zero carries an alpha
// channel; the bitmap reader ignores it (as the format always has), so it is
// put back here from the blob at `offset` of the skin file. Other pictures
// come back as they are.
QImage WithBitmapAlpha(const QString& skinFile, qint64 offset, const QImage& decoded);

// A transparent image control without alpha: the colour of the picture's
// bottom-left pixel is see-through.
QImage KeyedByBottomLeft(const QImage& picture);
