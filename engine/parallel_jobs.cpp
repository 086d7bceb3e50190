#include "engine/parallel_jobs.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "engine/k_log.h"

namespace {

// What the workers share: the next job to take and how many are done, under the lock the waiting
// thread sleeps on.
struct JobBoard {
    const std::function<void(size_t)>* job = nullptr;
    size_t count = 0;
    std::atomic<size_t> next{0};
    SDL_mutex* lock = nullptr;
    SDL_cond* done = nullptr;
    size_t finished = 0;  // guarded by lock
};

int WorkerLoop(void* data) {
    JobBoard& board = *static_cast<JobBoard*>(data);
    for (size_t index = board.next++; index < board.count; index = board.next++) {
        (*board.job)(index);
        SDL_LockMutex(board.lock);
        ++board.finished;
        SDL_CondSignal(board.done);
        SDL_UnlockMutex(board.lock);
    }
    return 0;
}

void RunHere(size_t count, const std::function<void(size_t)>& job, const std::function<void()>& finished) {
    for (size_t i = 0; i < count; ++i) {
        job(i);
        if (finished) finished();
    }
}

// Tells the caller of every job finished since it last looked, then sleeps until the next one.
void WaitForAll(JobBoard& board, const std::function<void()>& finished) {
    size_t reported = 0;
    SDL_LockMutex(board.lock);
    while (reported < board.count) {
        while (board.finished == reported) SDL_CondWait(board.done, board.lock);
        const size_t now = board.finished;
        SDL_UnlockMutex(board.lock);
        for (; reported < now; ++reported) {
            if (finished) finished();
        }
        SDL_LockMutex(board.lock);
    }
    SDL_UnlockMutex(board.lock);
}

}  // namespace

void runJobs(size_t count, const std::function<void(size_t)>& job, const std::function<void()>& finished,
             unsigned workers) {
    if (count == 0) return;
    if (workers == 0) workers = static_cast<unsigned>(std::max(1, SDL_GetCPUCount()));
    workers = static_cast<unsigned>(std::min<size_t>(workers, count));
    JobBoard board;
    board.job = &job;
    board.count = count;
    board.lock = SDL_CreateMutex();
    board.done = SDL_CreateCond();
    std::vector<SDL_Thread*> threads;
    for (unsigned i = 0; board.lock && board.done && i < workers; ++i) {
        SDL_Thread* thread = SDL_CreateThread(WorkerLoop, "qv-worker", &board);
        if (!thread) {
            engineLog("Jobs: cannot start a worker thread: %s", SDL_GetError());
            break;
        }
        threads.push_back(thread);
    }
    if (threads.empty()) {
        board.next = count;  // nothing will take them: run them all here
        RunHere(count, job, finished);
    } else {
        WaitForAll(board, finished);
    }
    for (SDL_Thread* thread : threads) SDL_WaitThread(thread, nullptr);
    if (board.done) SDL_DestroyCond(board.done);
    if (board.lock) SDL_DestroyMutex(board.lock);
}
