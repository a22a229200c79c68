#include "BackgroundPicture.h"

#include "RegularFile.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <QBuffer>
#include <QImageReader>


namespace {

// Pictures larger than this are not decoded: a background is a screen's worth.
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;
constexpr JDIMENSION kMaxPictureSide = 16384;

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void ignoreJpegMessage(j_common_ptr) {}

bool isJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && quint8(bytes[0]) == 0xFF && quint8(bytes[1]) == 0xD8 &&
           quint8(bytes[2]) == 0xFF;
}

// Formats other than JPEG through Qt, refused before decoding when the
// picture's stated size is past the JPEG reader's.
QImage decodeOther(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > int(kMaxPictureSide) || size.height() > int(kMaxPictureSide)))
        return {};
    return reader.read();
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = failJpeg;
    error.manager.output_message = ignoreJpegMessage;
    // Everything that must survive a longjmp lives outside this frame's
    // registers: the image is only handed out after a complete decode.
    QImage* image = new QImage;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxPictureSide ||
        info.image_height > kMaxPictureSide) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    info.out_color_space = JCS_EXT_BGRX; // the byte order of RGB32 on a little-endian machine
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage result = std::move(*image);
    delete image;
    return result;
}

QImage LoadBackgroundPicture(const QString& fileName) {
    if (fileName.isEmpty())
        return {};
    // The path is the user's: a FIFO, a device or a file past the limit gives
    // no picture instead of a hang or an endless read.
    const std::optional<QByteArray> read = ReadRegularFile(fileName, kMaxPictureBytes);
    if (!read)
        return {};
    const QByteArray& bytes = *read;
    QImage image = isJpeg(bytes) ? DecodeJpeg(bytes) : decodeOther(bytes);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
