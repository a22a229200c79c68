#pragma once

#include <QString>

// The plug-in host's part in playing a song, as the play controller sees it.
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    // Rescans the plug-ins, chooses the one for the file's lower-cased
    // extension, makes it the current plug-in, loads it and sends it the play
    // request (code 2) with the file name.
    virtual void PlayFile(const QString& file) = 0;
    // Sends the stop request (code 3) to the current plug-in, releases it (not
    // forced) and clears the current plug-in; nothing when there is none.
    virtual void StopCurrent() = 0;
    // Why the last play request reached no plug-in (none plays the type, the
    // plug-in cannot be loaded or refused the request); empty when one took it.
    virtual QString PlayRefusal() const { return {}; }
};
