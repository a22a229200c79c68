#pragma once

#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Makes a FIFO and runs work that must never block on it. Should the work hang
// in open() or read() of the FIFO, a helper thread opens the other end after a
// grace period (which releases the reader with end of file) and the result says
// so, instead of the test hanging for ever.
inline QString MakeFifo(const QString& path) {
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
    return path;
}

// Returns true when the work blocked on the FIFO.
inline bool BlocksOnFifo(const QString& fifo, const std::function<void()>& work) {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool blocked = false;
    std::thread rescuer([&] {
        std::unique_lock lock(mutex);
        if (done.wait_for(lock, std::chrono::seconds(3), [&] { return finished; }))
            return;
        // A writer can only open a FIFO without blocking while a reader has it open.
        for (int i = 0; i < 100 && !finished; ++i) {
            lock.unlock();
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            lock.lock();
            if (fd >= 0) {
                blocked = true;
                ::close(fd);
                break;
            }
            done.wait_for(lock, std::chrono::milliseconds(50), [&] { return finished; });
        }
    });
    work();
    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_all();
    rescuer.join();
    return blocked;
}
