#include "ocr/engine/RecognitionPool.h"

#include <algorithm>
#include <atomic>

namespace tarnveil {

RecognitionPool& RecognitionPool::shared()
{
    static RecognitionPool pool(std::max(1u, std::thread::hardware_concurrency()));
    return pool;
}

RecognitionPool::RecognitionPool(std::size_t threads)
{
    for (std::size_t i = 0; i < std::max<std::size_t>(1, threads); ++i) {
        threads_.emplace_back([this] { work(); });
    }
}

RecognitionPool::~RecognitionPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    for (auto& thread : threads_) {
        thread.join();
    }
}

void RecognitionPool::work()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            queued_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

void RecognitionPool::runAll(std::vector<std::function<void()>> jobs)
{
    std::mutex doneMutex;
    std::condition_variable doneChanged;
    std::size_t remaining = jobs.size();
    {
        std::lock_guard lock(mutex_);
        for (auto& job : jobs) {
            jobs_.push_back([&, job = std::move(job)] {
                job();
                std::lock_guard doneLock(doneMutex);
                if (--remaining == 0) {
                    doneChanged.notify_all();
                }
            });
        }
    }
    queued_.notify_all();
    std::unique_lock lock(doneMutex);
    doneChanged.wait(lock, [&] { return remaining == 0; });
}

} // namespace tarnveil
