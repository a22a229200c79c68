#pragma once

#include <QByteArray>
#include <QImage>

// Bitmap blobs: complete Windows bitmap files ("BM" header). Skins use 32-bit
// and 16-bit (5-5-5) pictures; other depths Qt can read are accepted too.

// Decodes a bitmap file; a null image when the bytes are not a bitmap or its
// header claims more pixels than the bytes can hold.
QImage DecodeSkinBitmap(const QByteArray& bytes);

// Encodes a picture as an uncompressed bottom-up bitmap file of 32 or 16 bits
// per pixel (16 bits: 5-5-5, alpha dropped). Any other depth gives an empty array.
QByteArray EncodeSkinBitmap(const QImage& image, int bitsPerPixel);
