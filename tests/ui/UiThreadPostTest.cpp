#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <memory>
#include <thread>

#include "platform/QtUiThreadPost.h"

// Work handed over from another thread runs on the event loop's thread, only
// when the loop runs; a poster that goes away drops what has not run.
TEST(QtUiThreadPost, RunsHandedOverWorkOnTheEventLoopThread) {
  auto post = std::make_unique<QtUiThreadPost>();
  std::thread::id ranOn;
  int runs = 0, dropped = 0;
  std::thread worker([&] { post->Post([&] { ranOn = std::this_thread::get_id(), ++runs; }); });
  worker.join();
  EXPECT_EQ(runs, 0);
  QDeadlineTimer deadline(30000);
  while (runs == 0 && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ranOn, std::this_thread::get_id());

  std::thread late([&] { post->Post([&] { ++dropped; }); });
  late.join();
  post.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(dropped, 0);
}
