#include "TXAudioPlayer.h"

#include "FileName.h"
#include "ModuleTrust.h"
#include "ProgramFolder.h"
#include "TextCodec.h"
#include "XAudioModuleState.h"

#include <dlfcn.h>
#include <QMetaObject>

TXAudioPlayer::TXAudioPlayer() : notifyWindow_(std::make_unique<QObject>()) {
    notifyTarget_.post = &TXAudioPlayer::PostFromEngine;
    notifyTarget_.context = this;
    // None of these steps checks the one before: a missing module leaves
    // module_ null, and every later call then returns -1 without a message.
    // A module another user could have written is not loaded (reported instead).
    const QString file = ProgramFolder() + "mpeg.so";
    const QString refusal = PathExists(file) ? ModuleRefusal(file, ProgramFolder()) : QString();
    if (refusal.isEmpty())
        module_ = dlopen(EncodeFileName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    else
        ReportRefusedModule(file, refusal);
    if (auto create = reinterpret_cast<player_new_t>(Lookup("player_new")))
        create(&player_, &notifyTarget_);
    endTimer_.setInterval(1000);
    endTimer_.callOnTimeout([this] { EndTimerTick(); });
    XAudioState().priority = 4;
}

TXAudioPlayer::~TXAudioPlayer() {
    endTimer_.stop();
    // Nothing is posted after player_delete has returned, and it returns at once.
    if (player_) {
        if (auto destroy = reinterpret_cast<player_delete_t>(Lookup("player_delete")))
            destroy(player_);
        player_ = nullptr;
    }
    if (module_)
        dlclose(module_);
    module_ = nullptr;
}

void TXAudioPlayer::PostFromEngine(void* context, unsigned message, uintptr_t wParam, intptr_t lParam) {
    auto* self = static_cast<TXAudioPlayer*>(context);
    // Called on an engine thread: queue the handling onto the main thread. The
    // notify window outlives every engine thread (see the destructor).
    QMetaObject::invokeMethod(
        self->notifyWindow_.get(),
        [self, message, wParam, lParam] { self->HandleNotification(message, wParam, lParam); },
        Qt::QueuedConnection);
}

void* TXAudioPlayer::Lookup(const char* name) {
    if (!module_)
        return nullptr;
    void* function = dlsym(module_, name);
    if (!function)
        SendToHost("%status", 4);
    return function;
}

int TXAudioPlayer::SendN(int code) {
    auto send = reinterpret_cast<control_message_send_N_t>(Lookup("control_message_send_N"));
    return send ? send(player_, code) : -1;
}

int TXAudioPlayer::Play() {
    return SendN(MPEG_CMD_PLAY);
}
int TXAudioPlayer::Pause() {
    return SendN(MPEG_CMD_PAUSE);
}
int TXAudioPlayer::Stop() {
    return SendN(MPEG_CMD_STOP);
}
int TXAudioPlayer::Close() {
    return SendN(MPEG_CMD_CLOSE);
}

int TXAudioPlayer::Open(const QByteArray& file) {
    auto send = reinterpret_cast<control_message_send_S_t>(Lookup("control_message_send_S"));
    return send ? send(player_, MPEG_CMD_OPEN, file.constData()) : -1;
}

int TXAudioPlayer::Seek(int second, int total) {
    auto send = reinterpret_cast<control_message_send_II_t>(Lookup("control_message_send_II"));
    return send ? send(player_, MPEG_CMD_SEEK, second, total) : -1;
}

int TXAudioPlayer::SetPriority() {
    auto set = reinterpret_cast<player_set_priority_t>(Lookup("player_set_priority"));
    return set ? set(player_, XAudioState().priority) : -1;
}

void TXAudioPlayer::HandleNotification(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (message < MPEG_NOTIFY_BASE || !player_)
        return;
    auto convert =
        reinterpret_cast<control_win32_params_to_message_t>(Lookup("control_win32_params_to_message"));
    MpegMessage record{};
    if (!convert || convert(player_, &record, message, wParam, lParam) != 0)
        return;
    XAudioModuleState& state = XAudioState();
    const uint8_t* bytes = record.data.bytes;
    switch (record.code) {
    case MPEG_MSG_NACK:
        // A refused seek or open is not an error of its own; a file that cannot be
        // opened shows up as the refusal of the play command that follows.
        if (bytes[0] != MPEG_CMD_SEEK && bytes[0] != MPEG_CMD_OPEN)
            SendToHost("%status", 4);
        break;
    case MPEG_MSG_STATE:
        StateChanged(bytes[0]);
        break;
    case MPEG_MSG_TIMECODE:
        state.currentSecond = bytes[0] * 3600 + bytes[1] * 60 + bytes[2];
        SendToHost("%time", state.currentSecond);
        break;
    case MPEG_MSG_STREAM_TITLE:
        StreamTitleChanged();
        break;
    case MPEG_MSG_DURATION:
        // Kept as a signed second count for the host; anything beyond is clamped.
        state.totalSeconds = static_cast<int>(std::min<uint32_t>(record.data.value, INT32_MAX));
        SendToHost("%totaltime", state.totalSeconds);
        break;
    default:
        break;
    }
}

void TXAudioPlayer::StreamTitleChanged() {
    auto read = reinterpret_cast<player_get_stream_title_t>(Lookup("player_get_stream_title"));
    if (!read)
        return;
    QByteArray bytes(1024, '\0');
    const int length = read(player_, bytes.data(), static_cast<int>(bytes.size()));
    if (length <= 0)
        return;
    bytes.truncate(std::min<qsizetype>(length, bytes.size() - 1));
    // Stations send UTF-8 or an 8-bit code page; the host takes UTF-8.
    SendStreamTitle(DecodeText(bytes).simplified().toUtf8());
}

void TXAudioPlayer::StateChanged(int engineState) {
    XAudioModuleState& state = XAudioState();
    state.paused = engineState == MPEG_STATE_PAUSED;
    state.endTicks = 0;
    if (engineState == MPEG_STATE_EOS)
        endTimer_.start();
    else
        endTimer_.stop();
    switch (engineState) {
    case MPEG_STATE_STOPPED:
        SendToHost("%status", 0);
        break;
    case MPEG_STATE_PLAYING:
    case MPEG_STATE_EOS:
        SendToHost("%status", 1);
        break;
    case MPEG_STATE_PAUSED:
        SendToHost("%status", 2);
        break;
    default:
        break;
    }
}

void TXAudioPlayer::EndTimerTick() {
    // After the end of the stream the position is counted on up to the duration,
    // then the song is reported finished.
    XAudioModuleState& state = XAudioState();
    if (state.currentSecond + state.endTicks < state.totalSeconds) {
        ++state.endTicks;
        SendToHost("%time", state.currentSecond + state.endTicks);
    } else {
        endTimer_.stop();
        SendToHost("%status", 0);
    }
}
