#include "InternalPlugin.h"

#include "TXAudioPlayer.h"
#include "XAudioModuleState.h"

#include <QByteArray>

namespace {

// Decimal text as an integer; text that is not a number counts as 0.
int DecimalOrZero(const QByteArray& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

int InternalPlusMessage(const char* text) {
    if (!text)
        return 0;
    // identity \1 code \1 argument; the argument takes the whole rest.
    const QByteArray message(text);
    const qsizetype first = message.indexOf('\1');
    const qsizetype second = first < 0 ? -1 : message.indexOf('\1', first + 1);
    XAudioModuleState& state = XAudioState();
    state.replyIdentity = first < 0 ? message : message.left(first);
    const QByteArray codeText =
        first < 0 ? QByteArray() : message.mid(first + 1, second < 0 ? -1 : second - first - 1);
    const QByteArray argument = second < 0 ? QByteArray() : message.mid(second + 1);
    const int code = DecimalOrZero(codeText) & 0x7f;

    switch (code) {
    case 2: // play file
        SendStreamTitle({});
        if (!state.instance)
            state.instance = new TXAudioPlayer();
        state.instance->SetPriority();
        state.instance->Open(argument);
        state.instance->Play();
        break;
    case 3: // stop
        if (state.instance) {
            state.instance->Stop();
            state.instance->Close();
            delete state.instance;
            state.instance = nullptr;
        }
        SendStreamTitle({});
        break;
    case 4: // toggle pause
        if (state.instance) {
            if (state.paused)
                state.instance->Play();
            else
                state.instance->Pause();
        }
        break;
    case 7: // seek
        if (state.instance) {
            const int total = state.playerTotalSeconds ? state.playerTotalSeconds() : state.totalSeconds;
            state.instance->Seek(DecimalOrZero(argument), total);
        }
        break;
    default:
        break;
    }
    return 0;
}

void SetInternalPluginCallback(PlusMessageFunc plusProc) {
    XAudioState().host = plusProc;
}

void SetInternalPluginTotalSeconds(std::function<int()> totalSeconds) {
    XAudioState().playerTotalSeconds = std::move(totalSeconds);
}
