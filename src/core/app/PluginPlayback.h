#pragma once

#include "PlaybackHost.h"

class TPlus;

// Plays and stops songs through the plug-in host: the plug-in that owns the
// file's extension becomes the current one, is loaded and gets the play
// request; stopping sends it the stop request and releases it.
class PluginPlayback : public PlaybackHost {
public:
    explicit PluginPlayback(TPlus& plus) : plus_(plus) {}
    void PlayFile(const QString& file) override;
    void StopCurrent() override;
    QString PlayRefusal() const override { return refusal_; }

private:
    TPlus& plus_;
    QString refusal_;
};
