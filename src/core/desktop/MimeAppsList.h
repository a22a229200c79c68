#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading and changing one key of one group of a desktop-style list file
// ("mimeapps.list" and our own record of previous owners). Changes touch only
// the line of that key: comments, other groups, other keys, blank lines and
// line endings stay byte for byte.
namespace MimeAppsList {

// The value of `key` in `[group]`, or nothing when the key is absent.
std::optional<QString> Value(const QByteArray& text, const QString& group, const QString& key);

// The text with `key` in `[group]` set to `value` (an empty value too), or
// its line removed when there is no value. A missing key is added after the group's last line; a
// missing group is added at the end.
QByteArray WithValue(const QByteArray& text, const QString& group, const QString& key,
                     const std::optional<QString>& value);

} // namespace MimeAppsList
