#pragma once
// Runs the pixel loops of a scope on a given number of threads.
#include "bitmap/ParallelRows.h"

class ScopedRowThreads {
 public:
  explicit ScopedRowThreads(int threads) { SetRowThreads(threads); }
  ~ScopedRowThreads() { SetRowThreads(0); }
  ScopedRowThreads(const ScopedRowThreads&) = delete;
  ScopedRowThreads& operator=(const ScopedRowThreads&) = delete;
};
