#pragma once

#include "mpeg_engine.h"

#include <memory>
#include <QByteArray>
#include <QObject>
#include <QTimer>

// Wrapper of the decoder engine module "mpeg.so" in the program folder: loads
// it at run time, creates one engine player, sends it commands and turns its
// notifications into the "%status", "%time" and "%totaltime" host messages.
// Every function of the module is looked up by name at each call. Lives and is
// used on the main thread; the engine's threads only post into its notify target.
class TXAudioPlayer {
public:
    TXAudioPlayer();
    TXAudioPlayer(const TXAudioPlayer&) = delete;
    TXAudioPlayer& operator=(const TXAudioPlayer&) = delete;
    ~TXAudioPlayer();

    // Each returns the module's result, or -1 when the function is not there.
    int Play();
    int Pause();
    int Stop();
    int Close();
    int Open(const QByteArray& file);
    int Seek(int second, int total);
    int SetPriority();

    // A notification posted by the engine, handled on the main thread.
    void HandleNotification(unsigned message, uintptr_t wParam, intptr_t lParam);

private:
    static void PostFromEngine(void* context, unsigned message, uintptr_t wParam, intptr_t lParam);
    void* Lookup(const char* name);
    int SendN(int code);
    void StateChanged(int state);
    void StreamTitleChanged();
    void EndTimerTick();

    MpegPlayer* player_ = nullptr;
    std::unique_ptr<QObject> notifyWindow_; // receives the engine's posts on the main thread
    MpegNotifyTarget notifyTarget_{};
    void* module_ = nullptr;
    QTimer endTimer_;
};
