#include "DecoderWorkers.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct LiveWorkers {
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;
};

LiveWorkers& Workers() {
    // Never freed: a worker may still end while the process exits.
    static auto* workers = new LiveWorkers;
    return *workers;
}

} // namespace

std::thread StartDecoderWorker(std::function<void()> work) {
    {
        std::lock_guard lock(Workers().mutex);
        ++Workers().count;
    }
    return std::thread([work = std::move(work)] {
        work();
        LiveWorkers& workers = Workers();
        std::lock_guard lock(workers.mutex);
        --workers.count;
        workers.ended.notify_all();
    });
}

void WaitForDecoderWorkers() {
    LiveWorkers& workers = Workers();
    std::unique_lock lock(workers.mutex);
    workers.ended.wait_for(lock, std::chrono::seconds(3), [&] { return workers.count == 0; });
}
