#include "PlayerVolume.h"

#include "TAudioMixer.h"
#include "TOption.h"
#include "VolumeBalance.h"

#include <algorithm>

bool ApplyVolume(TOption& option, TAudioMixer& mixer) {
    if (mixer.Destinations().empty())
        return false;
    const StereoLevels levels = ChannelsFromVolume(option.Volume(), option.Balance());
    return mixer.SetVolume(0, 0, levels.left, levels.right, option.Mute() ? 1 : 0);
}

void TakeMixerChange(TOption& option, TAudioMixer& mixer, bool terminating) {
    if (option.VolumeDragging() || mixer.Destinations().empty() || terminating)
        return;
    int left = -1, right = -1, mute = -1;
    bool stereo = false, volumeDisabled = true, muteDisabled = true, muteIsSelect = false;
    if (!mixer.GetVolume(0, 0, left, right, mute, stereo, volumeDisabled, muteDisabled, muteIsSelect))
        return;
    // A part the line does not have reads -1; it leaves the player's value alone
    // instead of becoming a volume of -1.
    if (mute >= 0)
        option.SetMute(mute != 0);
    if (left < 0 || right < 0)
        return;
    const VolumeAndBalance taken = VolumeBalanceFromChannels(left, right, option.Balance());
    option.SetVolume(taken.volume);
    if (left > 0 || right > 0)
        option.SetBalance(taken.balance);
}
