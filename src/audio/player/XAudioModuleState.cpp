#include "XAudioModuleState.h"

XAudioModuleState& XAudioState() {
    static XAudioModuleState state;
    return state;
}

void SendToHost(const char* message, int value) {
    SendTextToHost(message, QByteArray::number(value));
}

void SendTextToHost(const char* message, const QByteArray& value) {
    XAudioModuleState& state = XAudioState();
    if (!state.host)
        return;
    const QByteArray text = state.replyIdentity + '\1' + message + '\1' + value;
    state.host(text.constData());
}

void SendStreamTitle(const QByteArray& title) {
    XAudioModuleState& state = XAudioState();
    if (title.isEmpty() && !state.streamTitleShown)
        return;
    state.streamTitleShown = !title.isEmpty();
    SendTextToHost("%title", title);
}
