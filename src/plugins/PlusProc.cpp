// The player's exported callback. Plug-ins find it with dlsym(RTLD_DEFAULT,
// "PlusProc"), so the executable exports it (src/sorvi.dynlist).
#include "PlusProc.h"

#include "TPlusProcHandler.h"

#include <atomic>
#include <QMetaObject>
#include <QPointer>
#include <QThread>

namespace {
std::atomic<TPlusProcHandler*> gHandler{nullptr};
} // namespace

void SetPlusProcHandler(TPlusProcHandler* handler) {
    gHandler.store(handler);
}

TPlusProcHandler* PlusProcHandler() {
    return gHandler.load();
}

extern "C" __attribute__((visibility("default"), used)) int PlusProc(const char* text) {
    TPlusProcHandler* handler = gHandler.load();
    if (!text || !handler)
        return 0;
    try {
        const QByteArray message(text);
        if (QThread::currentThread() == handler->thread())
            return handler->Handle(message);
        // A plug-in calling from one of its own threads: the player state lives
        // on the main thread, so the message is carried out there, after this
        // call has returned; the caller gets 0.
        QMetaObject::invokeMethod(
            handler, [handler, message] { handler->Handle(message); }, Qt::QueuedConnection);
        return 0;
    } catch (...) {
        // Nothing may unwind into the plug-in's code.
        return 0;
    }
}
