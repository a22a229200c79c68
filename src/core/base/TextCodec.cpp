#include "TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <optional>

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

namespace {

// Converts all of bytes between two iconv encodings; nothing when any byte does not convert.
std::optional<QByteArray> Convert(const char* to, const char* from, const QByteArray& bytes) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out;
    out.resize(bytes.size() * 4 + 16);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* dst = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const bool ok = iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &dst, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.truncate(static_cast<qsizetype>(dst - out.data()));
    return out;
}

} // namespace

DecodedText DecodeLossless(const QByteArray& bytes) {
    if (IsValidUtf8(bytes))
        return {QString::fromUtf8(bytes), TextEncoding::Utf8};
    // GB18030 only when every byte decodes and the text encodes back to the
    // same bytes; anything else would lose or change bytes.
    if (const auto utf8 = Convert("UTF-8", "GB18030", bytes)) {
        const QString text = QString::fromUtf8(*utf8);
        if (EncodeText(text, TextEncoding::Gb18030) == bytes)
            return {text, TextEncoding::Gb18030};
    }
    return {QString::fromLatin1(bytes), TextEncoding::Latin1};
}

QString DecodeText(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    return DecodeLossless(body).text;
}

QByteArray EncodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Gb18030:
        if (const auto bytes = Convert("GB18030", "UTF-8", text.toUtf8()))
            return *bytes;
        break;
    case TextEncoding::Latin1:
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; }))
            return text.toLatin1();
        break;
    case TextEncoding::Utf8:
        break;
    }
    return text.toUtf8();
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
