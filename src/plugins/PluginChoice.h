#pragma once

#include <QString>

class TPlus;

// The plug-in that plays a file or stream address: the one that claims its
// lower-cased extension. A stream address (http:// or https://) is judged by
// the extension of its path, without query or fragment ("/a.ogg?x=1" is
// ".ogg"); when no plug-in claims that, the internal engine gets it, since
// most radio addresses ("/live", "/stream", ".mp3?token=...") name no type
// at all and the engine tells an MP3 stream from anything else by itself.
// Empty when no plug-in plays it.
QString ChoosePlugin(TPlus& plus, const QString& file);

// True for an http:// or https:// address (letter case ignored).
bool IsStreamAddress(const QString& file);
