#include "XAudioModuleState.h"

XAudioModuleState& XAudioState() {
    static XAudioModuleState state;
    return state;
}

void SendToHost(const char* message, int value) {
    XAudioModuleState& state = XAudioState();
    if (!state.host)
        return;
    const QByteArray text = state.replyIdentity + '\1' + message + '\1' + QByteArray::number(value);
    state.host(text.constData());
}
