#pragma once

#include "LrclibTrack.h"

#include <QString>
#include <functional>

// Asks LRCLIB (address from [SITE] LRCLIB) with a time limit on every request.
// Each answer arrives once through its callback, also when the request fails
// or stalls: `ok` false with an error text then. The HTTP client behind it
// lives in the network module (NetModuleApi.h), loaded on first use.
class LrclibClient {
public:
    struct Result {
        bool ok = false;
        QString error;
        QList<LrclibTrack> tracks; // one record for get requests
    };
    using Callback = std::function<void(const Result&)>;

    static constexpr qint64 kMaxAnswerBytes = 8 * 1024 * 1024;

    virtual ~LrclibClient() = default;

    virtual void Search(const QString& query, Callback done) = 0;
    virtual void Get(const QString& artist, const QString& title, const QString& album, int seconds,
                     Callback done) = 0;
    virtual void GetById(qint64 id, Callback done) = 0;

    virtual void SetTimeoutMs(int ms) = 0;
};
