#pragma once

#include <QImage>
#include <QString>

// The lyrics window's background picture. JPEG files (recognised by their
// first bytes, whatever their extension) are decoded with libjpeg; BMP, PNG,
// ICO and the other formats Qt reads go through Qt. A missing, unreadable or
// broken file gives a null image: the window then has no background.
QImage LoadBackgroundPicture(const QString& fileName);

// JPEG bytes decoded with libjpeg into an RGB32 image; null when they are not
// a whole, valid JPEG picture.
QImage DecodeJpeg(const QByteArray& bytes);
