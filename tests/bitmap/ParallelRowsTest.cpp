#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "support/ScopedRowThreads.h"

TEST(ParallelRows, EveryRowOnceInBandsOfTheAskedSize) {
  for (int threads : {1, 2, 3, 7}) {
    ScopedRowThreads scope(threads);
    for (int rows : {0, 1, 7, 8, 9, 100, 1081}) {
      for (int minRows : {1, 8, 64}) {
        SCOPED_TRACE(testing::Message() << threads << " threads, " << rows << " rows, bands of " << minRows);
        std::vector<std::atomic<int>> visits(static_cast<std::size_t>(rows));
        std::atomic<int> shortBands{0};
        ParallelRows(rows, minRows, [&](int begin, int end) {
          ASSERT_LT(begin, end);
          if (end - begin < minRows && end != rows) ++shortBands;
          for (int y = begin; y < end; ++y) ++visits[static_cast<std::size_t>(y)];
        });
        for (int y = 0; y < rows; ++y) ASSERT_EQ(visits[static_cast<std::size_t>(y)].load(), 1) << "row " << y;
        EXPECT_EQ(shortBands.load(), 0);
      }
    }
  }
}

TEST(ParallelRows, UsesTheOtherCoresAndRunsNestedCallsInPlace) {
  ScopedRowThreads scope(3);
  std::mutex mutex;
  std::set<std::thread::id> threads;
  std::atomic<int> nestedRows{0};
  ParallelRows(300, 1, [&](int begin, int end) {
    {
      std::lock_guard lock(mutex);
      threads.insert(std::this_thread::get_id());
    }
    // A loop inside a loop: runs on this thread, the pool is busy with us.
    const std::thread::id self = std::this_thread::get_id();
    ParallelRows(end - begin, 1, [&](int b, int e) {
      EXPECT_EQ(std::this_thread::get_id(), self);
      nestedRows += e - b;
    });
    // Holds each thread in its band until all three have one, so the test
    // does not depend on how fast the workers wake.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
      {
        std::lock_guard lock(mutex);
        if (threads.size() >= 3) break;
      }
      if (std::chrono::steady_clock::now() > deadline) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  EXPECT_EQ(nestedRows.load(), 300);
  EXPECT_EQ(threads.size(), 3u);
}

TEST(ParallelRows, TwoCallersAtOnceBothFinish) {
  ScopedRowThreads scope(2);
  std::vector<int> a(5000), b(5000);
  std::thread other([&] {
    for (int k = 0; k < 50; ++k) ParallelRows(5000, 1, [&](int begin, int end) { for (int y = begin; y < end; ++y) a[y] += 1; });
  });
  for (int k = 0; k < 50; ++k) ParallelRows(5000, 1, [&](int begin, int end) { for (int y = begin; y < end; ++y) b[y] += 1; });
  other.join();
  for (int y = 0; y < 5000; ++y) {
    ASSERT_EQ(a[y], 50);
    ASSERT_EQ(b[y], 50);
  }
}

TEST(ParallelRows, AnErrorInABandReachesTheCaller) {
  ScopedRowThreads scope(3);
  EXPECT_THROW(ParallelRows(600, 1, [&](int begin, int end) {
                 if (begin <= 500 && 500 < end) throw std::runtime_error("band failed");
               }),
               std::runtime_error);
  // The pool is usable afterwards.
  std::atomic<int> rows{0};
  ParallelRows(600, 1, [&](int begin, int end) { rows += end - begin; });
  EXPECT_EQ(rows.load(), 600);
}
