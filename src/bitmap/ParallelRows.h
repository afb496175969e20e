#pragma once
// Splits the rows of a pixel loop over the cores. The loop body gets a band
// of rows [begin, end) and must compute every row from its inputs alone
// (no row depends on another row's output, no random draws, no shared
// state written but its own rows), so that the picture is bit for bit the
// single loop's whatever the number of threads.
//
// A small pool of worker threads, sized to the machine, serves the calls;
// the calling thread takes its share of the bands. A call made inside a
// body, or while another thread's call is using the pool, runs its bands on
// the calling thread. Nothing is allocated per call.
#include <type_traits>
#include <utility>

// How many threads a call uses: 0 (the default) means one per core.
void SetRowThreads(int threads);
int RowThreads();

namespace parallel_rows {
using BandFunction = void (*)(void* body, int begin, int end);
void Run(int rowCount, int minRowsPerBand, BandFunction function, void* body);
}  // namespace parallel_rows

// Calls body(begin, end) for bands covering 0..rowCount-1 exactly once; bands
// hold at least minRowsPerBand rows (except the last), so cheap loops are
// not split finer than pays.
template <typename Body>
void ParallelRows(int rowCount, int minRowsPerBand, Body&& body) {
  using B = std::remove_reference_t<Body>;
  parallel_rows::Run(
      rowCount, minRowsPerBand,
      [](void* b, int begin, int end) { (*static_cast<B*>(b))(begin, end); },
      const_cast<void*>(static_cast<const void*>(&body)));
}

template <typename Body>
void ParallelRows(int rowCount, Body&& body) {
  ParallelRows(rowCount, 8, std::forward<Body>(body));
}
