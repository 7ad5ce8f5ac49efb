// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tarnel {

// A fixed set of threads that run tasks in the order they were given. Made once and kept, so
// that a run does not pay for starting threads; destroying it waits for the tasks given.
class ThreadPool {
public:
    explicit ThreadPool(int threads);
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    int size() const { return static_cast<int>(threads_.size()); }
    void submit(std::function<void()> task);

private:
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

// Runs `there` on a thread of `pool` and `here` on this one, and returns when both have ended;
// without a pool of more than one thread, one after the other here. The pool must have no
// other task waiting, and neither function may throw.
void runSideBySide(ThreadPool* pool, const std::function<void()>& there,
                   const std::function<void()>& here);

// Every core of this machine (at least one).
int defaultJobs();

} // namespace tarnel
