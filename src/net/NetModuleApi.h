#pragma once

#include "UpdateCheck.h"

#include <QByteArray>
#include <QString>
#include <memory>

class BuiltinSite;
class LrclibClient;
class LyricsDownloader;

// What the player fetches over the network (the lyrics service, lyrics
// downloads, the update file) lives in a module of its own ("sorvi-net.so"
// beside the executable), loaded at the first use: Qt Network and what it
// brings (Kerberos, proxy lookup, compression libraries) are not mapped into
// a player that only plays local files. The player reaches it through one C
// function that returns the module's factory, which lives as long as the
// program.
class NetModule : public TextFetcher {
public:
    virtual std::unique_ptr<LrclibClient> NewLrclibClient(const QString& base, const QByteArray& userAgent) = 0;
    virtual std::unique_ptr<LyricsDownloader> NewLyricsDownloader(BuiltinSite& site, const QByteArray& userAgent) = 0;
};

using NetModuleFn = NetModule* (*)();
inline constexpr const char* kNetModuleFile = "sorvi-net.so";
inline constexpr const char* kNetModuleEntry = "sorvi_net_module";
