#pragma once

#include <functional>
#include <thread>

// The decoding threads of one module. A player frees itself when its thread
// ends, so a module must not be unloaded while one still runs: each module
// (this library is linked into each with hidden symbols) counts its own
// threads and waits for them before it goes.

// Starts `work` on a thread that is counted until `work` returns.
std::thread StartDecoderWorker(std::function<void()> work);

// Waits up to three seconds for every thread started in this module to end.
void WaitForDecoderWorkers();
