#pragma once
// A filter's random draws made on the calling thread while its pixel work
// runs beside them.
#include <exception>
#include <system_error>
#include <thread>

#include "bitmap/ParallelRows.h"

// Runs work on a helper thread (its pixel loops split over the cores as
// usual) while draws runs on the calling thread, so that draws, which stay
// on the calling thread and in their order, need not wait for the pixel
// work. work must draw no random numbers, and the two must not touch the
// same data. With one row thread allowed, or when no helper can be started,
// draws runs first and then work, both on the calling thread; the result,
// and the draws made when work fails, are the same either way.
template <typename Work, typename Draws>
void RunWorkBesideDraws(Work&& work, Draws&& draws) {
  if (RowThreads() > 1) {
    std::exception_ptr failure;
    std::thread helper;
    try {
      helper = std::thread([&] {
        try {
          work();
        } catch (...) {
          failure = std::current_exception();
        }
      });
    } catch (const std::system_error&) {
    }
    if (helper.joinable()) {
      try {
        draws();
      } catch (...) {
        helper.join();
        throw;
      }
      helper.join();
      if (failure) std::rethrow_exception(failure);
      return;
    }
  }
  draws();
  work();
}
