#include "TAudioMixer.h"

#include "PulseConnection.h"
#include "PulseLevels.h"
#include "VolumeBalance.h"

#include <QMetaObject>
#include <algorithm>

namespace {

TMixerControls LineControls(int channels) {
    TMixerControl volume;
    volume.kind = TMixerControl::Kind::Volume;
    volume.uniform = channels <= 1;
    TMixerControl mute;
    mute.kind = TMixerControl::Kind::Mute;
    mute.uniform = true;
    return {volume, mute};
}

TMixerDestinations TreeOf(const PulseSnapshot& snapshot) {
    TMixerDestinations tree;
    if (!snapshot.connected || !snapshot.hasSink)
        return tree;
    const PulseSinkState& sink = snapshot.sink;
    TMixerDestination destination;
    destination.name = QString::fromStdString(sink.name);
    destination.description = QString::fromStdString(sink.description);
    destination.channels = sink.map.channels;
    destination.controls = LineControls(destination.channels);
    TMixerConnection playback;
    playback.name = destination.name;
    playback.channels = destination.channels;
    playback.controls = LineControls(playback.channels);
    destination.connections.push_back(playback);
    tree.push_back(destination);
    return tree;
}

} // namespace

TAudioMixer::TAudioMixer(Target target, QObject* parent) : QObject(parent), target_(target) {
    // The connection calls back on the libpulse thread; the news is handed to
    // this object's thread, which alone touches the tree.
    engine_ = std::make_unique<PulseConnection>(
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { takeSnapshot(true); }, Qt::QueuedConnection);
        },
        std::chrono::milliseconds(kWaitMs), std::chrono::milliseconds(kRetryMs), target_ == Target::Stream);
    engine_->WaitForFirstSnapshot();
    if (target_ == Target::Stream) {
        // The level the server remembers from the last run, else that of a
        // stream already playing, else full.
        auto keep = [this](const PulseStreamState& level) {
            const StereoReading reading = ReadStereo(level.map, level.volume);
            keptLeft_ = reading.left;
            keptRight_ = reading.right;
            keptMute_ = level.mute;
        };
        PulseStreamState remembered;
        std::vector<PulseStreamState> streams;
        if (engine_->ReadRemembered(kRememberedKey, remembered))
            keep(remembered);
        else if (engine_->QueryOwnStreams(streams) && !streams.empty())
            keep(streams.front());
        engine_->SetStreamLevel(keptLeft_, keptRight_, keptMute_);
    }
    takeSnapshot(false);
}

TAudioMixer::~TAudioMixer() {
    // Stop the libpulse thread while this object is still whole; calls it
    // posted and that have not run yet are dropped with the object.
    engine_.reset();
}

void TAudioMixer::takeSnapshot(bool announce) {
    const PulseSnapshot snapshot = engine_->Latest();
    if (snapshot.seq == appliedSeq_)
        return;
    appliedSeq_ = snapshot.seq;
    const int previousId = mixerId_;
    mixerId_ = snapshot.connected ? 0 : -1;
    productName_ = snapshot.connected ? QString::fromStdString(snapshot.product) : QString();
    destinations_ = TreeOf(snapshot);
    if (target_ == Target::Stream) {
        // The sink's own changes are not the player's business here.
        const bool changed = snapshot.connected && followStreams();
        if (announce && (changed || previousId != mixerId_))
            emit controlChanged();
        return;
    }
    const bool echo = isOwnEcho(snapshot);
    if (!echo)
        ownWrite_.active = false;
    if (announce && !echo)
        emit controlChanged();
}

bool TAudioMixer::writeStream(const PulseStreamState& stream) {
    const pa_cvolume volume = SpreadStereo(stream.map, keptLeft_, keptRight_);
    bool ok = true;
    if (!pa_cvolume_equal(&volume, &stream.volume))
        ok = engine_->SetStreamVolume(stream.index, volume);
    if (stream.mute != keptMute_)
        ok = engine_->SetStreamMute(stream.index, keptMute_) && ok;
    return ok;
}

bool TAudioMixer::followStreams() {
    // Read afresh rather than from the snapshot: a report read before our own
    // last write must not count as a change from outside.
    std::vector<PulseStreamState> streams;
    if (!engine_->QueryOwnStreams(streams))
        return false;
    // New streams got the kept level from the connection as soon as it saw
    // them, so any difference is a change from outside.
    bool changed = false;
    for (const PulseStreamState& stream : streams) {
        // What our level looks like on this stream's channels (a mono stream
        // cannot show a balance).
        const StereoReading expected = ReadStereo(stream.map, SpreadStereo(stream.map, keptLeft_, keptRight_));
        const StereoReading reading = ReadStereo(stream.map, stream.volume);
        if (reading.left == expected.left && reading.right == expected.right && stream.mute == keptMute_)
            continue;
        if (reading.stereo) {
            keptLeft_ = reading.left;
            keptRight_ = reading.right;
        } else if (reading.left != expected.left) {
            // A mono stream shows only the volume: the balance stays.
            const VolumeAndBalance kept = VolumeBalanceFromChannels(keptLeft_, keptRight_, kCentreBalance);
            const StereoLevels levels = ChannelsFromVolume(reading.left, kept.balance);
            keptLeft_ = levels.left;
            keptRight_ = levels.right;
        }
        keptMute_ = stream.mute;
        changed = true;
    }
    if (changed) {
        engine_->SetStreamLevel(keptLeft_, keptRight_, keptMute_);
        // The other streams of the player follow.
        for (const PulseStreamState& stream : streams)
            writeStream(stream);
    }
    return changed;
}

void TAudioMixer::rememberLevel() {
    pa_channel_map stereo;
    pa_channel_map_init_stereo(&stereo);
    engine_->WriteRemembered(kRememberedKey, stereo, SpreadStereo(stereo, keptLeft_, keptRight_), keptMute_);
}

bool TAudioMixer::isOwnEcho(const PulseSnapshot& snapshot) const {
    if (!ownWrite_.active || !snapshot.connected || !snapshot.hasSink || snapshot.sink.name != ownWrite_.sink)
        return false;
    // The volume as written (or as it was, when only the mute was written); the
    // mute as written or as it was before (a report may fall between the writes).
    return pa_cvolume_equal(&snapshot.sink.volume, &ownWrite_.volume) &&
           (snapshot.sink.mute == ownWrite_.mute || snapshot.sink.mute == ownWrite_.muteBefore);
}

bool TAudioMixer::lineSink(int destination, int connection, std::string& sink) const {
    if (destination < 0 || destination >= static_cast<int>(destinations_.size()))
        return false;
    const TMixerDestination& line = destinations_[destination];
    if (connection < -1 || connection >= static_cast<int>(line.connections.size()))
        return false;
    sink = line.name.toStdString();
    return true;
}

bool TAudioMixer::GetVolume(int destination, int connection, int& left, int& right, int& mute, bool& stereo,
                            bool& volumeDisabled, bool& muteDisabled, bool& muteIsSelect) {
    left = right = mute = -1;
    stereo = false;
    volumeDisabled = muteDisabled = true;
    muteIsSelect = false;
    std::string name;
    if (!lineSink(destination, connection, name))
        return false;
    if (target_ == Target::Stream && connection == 0) {
        left = keptLeft_;
        right = keptRight_;
        stereo = true;
        volumeDisabled = false;
        mute = keptMute_ ? 1 : 0;
        muteDisabled = false;
        return true;
    }
    PulseSinkState sink;
    if (!engine_->QuerySink(name, sink))
        return false;
    const StereoReading reading = ReadStereo(sink.map, sink.volume);
    left = reading.left;
    right = reading.right;
    stereo = reading.stereo;
    volumeDisabled = false;
    mute = sink.mute ? 1 : 0;
    muteDisabled = false;
    return true;
}

bool TAudioMixer::SetVolume(int destination, int connection, int left, int right, int mute) {
    std::string name;
    if (!lineSink(destination, connection, name))
        return false;
    if (left < 0 && mute < 0)
        return true;
    if (target_ == Target::Stream && connection == 0) {
        if (left >= 0) {
            keptLeft_ = std::clamp(left, 0, kMaxVolume);
            keptRight_ = std::clamp(right < 0 ? left : right, 0, kMaxVolume);
        }
        if (mute >= 0)
            keptMute_ = mute != 0;
        engine_->SetStreamLevel(keptLeft_, keptRight_, keptMute_);
        std::vector<PulseStreamState> streams;
        bool ok = engine_->QueryOwnStreams(streams);
        for (const PulseStreamState& stream : streams)
            ok = writeStream(stream) && ok;
        rememberLevel();
        return ok;
    }
    // The channel layout is read afresh: the default sink may have been
    // replaced by one with other channels since the tree was built.
    PulseSinkState sink;
    if (!engine_->QuerySink(name, sink))
        return false;
    OwnWrite write;
    write.active = true;
    write.sink = name;
    write.volume = sink.volume;
    write.mute = write.muteBefore = sink.mute;
    if (left >= 0) {
        write.volumeWritten = true;
        write.volume = SpreadStereo(sink.map, left, right < 0 ? left : right);
    }
    if (mute >= 0) {
        write.muteWritten = true;
        write.mute = mute != 0;
    }
    // Raised before the writes: the server's report may overtake their answers.
    ownWrite_ = write;
    if (write.volumeWritten && !engine_->SetSinkVolume(name, write.volume))
        return false;
    if (write.muteWritten && !engine_->SetSinkMute(name, write.mute))
        return false;
    // Both writes are done: from now on the old mute is news from outside. (A
    // report read between the writes may still come; taking it back reads the
    // line afresh and finds our own values.)
    ownWrite_.muteBefore = ownWrite_.mute;
    return true;
}
