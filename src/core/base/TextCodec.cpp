#include "TextCodec.h"

#include <QStringDecoder>
#include <iconv.h>

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeGb18030(const QByteArray& bytes) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    QByteArray out;
    out.resize(bytes.size() * 4 + 16);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* dst = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            break; // cannot happen with 4x room
        // An invalid or truncated sequence: show a replacement and skip one byte.
        static const char replacement[] = "\xEF\xBF\xBD";
        if (outLeft < 3)
            break;
        memcpy(dst, replacement, 3);
        dst += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.truncate(static_cast<int>(dst - out.data()));
    return QString::fromUtf8(out);
}

QString DecodeText(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (IsValidUtf8(body))
        return QString::fromUtf8(body);
    return DecodeGb18030(body);
}

QByteArray Utf8Truncated(const QString& text, int maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    int cut = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to a character start.
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    return bytes.left(cut);
}
