#pragma once

#include "PlusProcHooks.h"

#include <functional>

class TPlay;
class TPlayControl;

// What plug-in messages reach outside the player state: the play count, the
// store's categories and the video windows.
class PlayerPlusProcHooks : public PlusProcHooks {
public:
    using WindowId = std::function<quintptr()>;

    PlayerPlusProcHooks(TPlay& play, TPlayControl& control, WindowId displayWindow, WindowId displayCtrl)
        : play_(play), control_(control), displayWindow_(std::move(displayWindow)),
          displayCtrl_(std::move(displayCtrl)) {}

    void CountPlay() override;
    int CreateClass(const QString& name) override;
    void DeleteClass(int id) override;
    void ClearClass(int id) override;
    int AddFiles(int id, const QStringList& files) override;
    quintptr DisplayWindow() override { return displayWindow_ ? displayWindow_() : 0; }
    quintptr DisplayCtrl() override { return displayCtrl_ ? displayCtrl_() : 0; }

private:
    TPlay& play_;
    TPlayControl& control_;
    WindowId displayWindow_;
    WindowId displayCtrl_;
};
