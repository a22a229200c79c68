#pragma once

#include <QByteArray>
#include <QUrl>
#include <optional>

// Fetches a small text file over HTTP: nothing when the server cannot be
// reached, answers with an error, sends more than `maxBytes`, sends a NUL byte
// (not text) or has not finished within `timeoutMs`. Waits in a local event
// loop that leaves user input alone.
std::optional<QByteArray> FetchSmallTextFile(const QUrl& url, qint64 maxBytes, int timeoutMs);
