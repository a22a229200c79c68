#pragma once

#include <QByteArray>
#include <QString>

// Text read from files (tags, lyrics, lists, "Options.ini") is UTF-8 when it is
// valid UTF-8 (a leading BOM is skipped); otherwise GB18030, the encoding older
// Chinese files were written in, when every byte decodes as GB18030; otherwise
// Latin-1, the ID3v1 standard's own encoding. Latin-1 decodes any byte, so no
// byte is ever lost. Text the player writes is UTF-8 unless a field keeps the
// encoding it was read in.
enum class TextEncoding { Utf8, Gb18030, Latin1 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// The rule above, with the encoding that was chosen (no BOM handling).
DecodedText DecodeLossless(const QByteArray& bytes);
// Likewise after skipping a UTF-8 BOM; the text only.
QString DecodeText(const QByteArray& bytes);

// The bytes of text in an encoding. Text that Latin-1 cannot hold is written as
// UTF-8. EncodeText(DecodeLossless(b).text, DecodeLossless(b).encoding) == b.
QByteArray EncodeText(const QString& text, TextEncoding encoding);

bool IsValidUtf8(const QByteArray& bytes);


// UTF-8 bytes of text, cut to at most maxBytes without splitting a character.
QByteArray Utf8Truncated(const QString& text, int maxBytes);
