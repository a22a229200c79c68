#include "BackgroundPicture.h"

#include "RegularFile.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <QFile>

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
    QFile file;
    if (!OpenRegularFile(file, fileName) || file.size() > kMaxPictureBytes)
        return {};
    const QByteArray bytes = file.readAll();
    QImage image = isJpeg(bytes) ? DecodeJpeg(bytes) : QImage::fromData(bytes);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
