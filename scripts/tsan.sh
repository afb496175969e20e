#!/usr/bin/env bash
# Runs the tests of the code that works on more than one thread (the
# background decoder, the preview, the slide prefetch, the row pool and the
# pixel loops that use it) built with ThreadSanitizer, into build-tsan/.
# Further arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export BRINMORA_SOURCE_DIR="$PWD"
cmake -S . -B build-tsan -G Ninja -DBRINMORA_TSAN=ON -DBRINMORA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build-tsan --parallel "$(nproc)" --target test_bitmap test_engine test_filters test_transitions
# Qt and GStreamer are not built with ThreadSanitizer; only our own threads
# are judged here.
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --output-on-failure --timeout 900 -j "$(nproc)" \
  -R 'BackgroundDecoder|Preview|ImageShow|ParallelRows|RowThreads|Prefetch')
