#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tarnveil {

/// The threads that run recognition work: one per processor, shared by every pass of every
/// scan in the process, so that concurrent scans and passes never run more recognitions at
/// once than there are processors. Work runs in the order it was queued.
class RecognitionPool {
public:
    static RecognitionPool& shared();

    explicit RecognitionPool(std::size_t threads);
    ~RecognitionPool();
    RecognitionPool(const RecognitionPool&) = delete;
    RecognitionPool& operator=(const RecognitionPool&) = delete;

    /// Runs every job on the pool and returns when all have finished. Jobs must not throw.
    void runAll(std::vector<std::function<void()>> jobs);

private:
    void work();

    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace tarnveil
