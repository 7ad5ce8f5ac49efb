// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThreadPool.h"

#include <algorithm>
#include <latch>

namespace tarnel {

ThreadPool::ThreadPool(int threads) {
    for (int i = 0; i < std::max(threads, 1); ++i)
        threads_.emplace_back([this] { work(); });
}

ThreadPool::~ThreadPool() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void ThreadPool::submit(std::function<void()> task) {
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void ThreadPool::work() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return closing_ || !tasks_.empty(); });
            if (tasks_.empty())
                return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

void runSideBySide(ThreadPool* pool, const std::function<void()>& there,
                   const std::function<void()>& here) {
    if (pool == nullptr || pool->size() < 2) {
        there();
        here();
        return;
    }
    std::latch done(1);
    pool->submit([&] {
        there();
        done.count_down();
    });
    here();
    done.wait();
}

int defaultJobs() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

} // namespace tarnel
