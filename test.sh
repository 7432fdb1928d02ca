#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and runs every test.
# "./test.sh asan" runs the same suite under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
preset=${1:-debug}
scripts/deps.sh
# CI sets BW_WERROR=ON: a warning fails the build there.
cmake --preset "$preset" -DBW_WERROR="${BW_WERROR:-OFF}" >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j2
if [ "$preset" != asan ] && [ -x "build/$preset/bin/bw_bench" ]; then
  # The benchmarks must build and run; a short pass proves they work.
  "build/$preset/bin/bw_bench" --benchmark_min_time=0.01 >/dev/null
fi
