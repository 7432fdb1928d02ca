#!/usr/bin/env bash
# The long monkey soak: builds the release preset and plays EVENTS random
# events (default 1000000) into the main window, offscreen, checking the
# table's invariants after every event:
#   scripts/soak.sh [EVENTS] [bw_soak options, e.g. --seed S --keep-going]
# The last line gives the events, episodes, checks, failures and the rate.
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-1000000}
shift || true
if [ ! -f build/release/CMakeCache.txt ]; then
  cmake --preset release >/dev/null
fi
cmake --build --preset release --target bw_soak >/dev/null
export QT_QPA_PLATFORM=offscreen
exec build/release/bin/bw_soak --events "$events" "$@"
