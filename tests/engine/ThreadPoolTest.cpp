// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ThreadPool.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tarnel {
namespace {

// Each function runs once, and both have ended on return: on a thread of the pool beside this
// one when the pool has two threads or more, else here, the one given first first.
TEST(ThreadPool, SideBySideRunsBothAndReturnsWhenBothHaveEnded) {
    for (const int threads : {0, 1, 2, 3}) {
        ThreadPool pool(std::max(threads, 1));
        ThreadPool* const given = threads == 0 ? nullptr : &pool;
        std::vector<int> order;
        std::thread::id there;
        bool ended = false;
        runSideBySide(
            given,
            [&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                there = std::this_thread::get_id();
                if (threads < 2)
                    order.push_back(1);
                ended = true;
            },
            [&] {
                if (threads < 2)
                    order.push_back(2);
            });
        EXPECT_TRUE(ended) << threads;
        EXPECT_EQ(there == std::this_thread::get_id(), threads < 2) << threads;
        const std::vector<int> inOrder = threads < 2 ? std::vector<int>{1, 2} : std::vector<int>{};
        EXPECT_EQ(order, inOrder) << threads;
    }
}

} // namespace
} // namespace tarnel
