#pragma once

#include <QByteArray>
#include <QString>

// Text read from files is shown as UTF-8 when it is valid UTF-8 (a leading BOM is
// skipped) and as GB18030 otherwise, the encoding older Chinese files were
// written in. Text the player writes is UTF-8.
QString DecodeText(const QByteArray& bytes);

bool IsValidUtf8(const QByteArray& bytes);

// GB18030 bytes to text (invalid sequences become U+FFFD).
QString DecodeGb18030(const QByteArray& bytes);

// UTF-8 bytes of text, cut to at most maxBytes without splitting a character.
QByteArray Utf8Truncated(const QString& text, int maxBytes);
