#pragma once
// Independent jobs run on worker threads while the calling thread waits and hears of every job that
// finishes, so it can keep a loading screen moving. A job may touch only what it owns and the
// engine's calls that are safe on any thread: decoding pictures into a KGraphic (KGraphic::
// loadPicture), decoding sound (KSound::decodeSample) and the engine log. Textures, windows, the
// game log and everything of the framework stay on the calling thread.
#include <cstddef>
#include <functional>

// Runs job(0) .. job(count - 1), each exactly once, on up to `workers` threads (0: one per processor).
// `finished` runs on the calling thread once per finished job, as they finish. Returns when all are
// done. Without threads (none could be started) the jobs run on the calling thread, in order.
void runJobs(size_t count, const std::function<void(size_t)>& job, const std::function<void()>& finished = {},
             unsigned workers = 0);
