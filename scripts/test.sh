#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# With BRINMORA_SANITIZE_RUN=1 the suite runs a second time, built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
# Tests of the windows run without a display.
export QT_QPA_PLATFORM=offscreen
# Tests read data files of the source tree.
export BRINMORA_SOURCE_DIR="$PWD"
bash scripts/setup.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure --timeout 300 -j "$(nproc)")
if [ "${BRINMORA_SANITIZE_RUN:-0}" = "1" ]; then
  bash scripts/build.sh build-asan -DBRINMORA_SANITIZE=ON -DBRINMORA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  (cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600 -j "$(nproc)")
fi
