#!/usr/bin/env bash
# Runs one fuzz target of tests/fuzz for a given time:
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
# builds the "fuzz" preset (clang, ASan + UBSan) first. The growing corpus
# lives in build/fuzz/corpus/TARGET (seeded from tests/fuzz/corpus/TARGET);
# a crash, leak or broken property leaves its input in
# build/fuzz/findings/TARGET/. "scripts/fuzz.sh list" names the targets.
# BW_FUZZ_PRESET=fuzz-fast runs the UBSan-only build (about 1.5x the
# executions) on the same corpus folder; "scripts/fuzz.sh TARGET replay"
# then runs that corpus once through the ASan build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = list ] || [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]" >&2
  echo "targets: $(ls tests/fuzz/corpus | tr '\n' ' ')" >&2
  [ "${1:-}" = list ]
  exit $?
fi
target=$1
seconds=$2
shift 2
if [ ! -d "tests/fuzz/corpus/$target" ]; then
  echo "no such target: $target" >&2
  exit 2
fi
# Inputs beyond these sizes only slow a target down.
case $target in
  card_set) max_len=65536 ;;
  games_dat) max_len=49152 ;;
  section_file) max_len=20480 ;;
  game_source | card_back) max_len=8192 ;;
  stat_record) max_len=1024 ;;
  results | game_text | replays) max_len=16384 ;;
  *) max_len=4096 ;;
esac
preset=${BW_FUZZ_PRESET:-fuzz}
[ "$seconds" = replay ] && preset=fuzz
if [ ! -f "build/$preset/CMakeCache.txt" ]; then
  cmake --preset "$preset" >/dev/null
fi
cmake --build --preset "$preset" >/dev/null
corpus=build/fuzz/corpus/$target
findings=build/fuzz/findings/$target
mkdir -p "$corpus" "$findings"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
if [ "$seconds" = replay ]; then
  exec "build/fuzz/bin/${target}_fuzz" -runs=0 -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$findings/" "$@" "$corpus" "tests/fuzz/corpus/$target"
fi
exec "build/$preset/bin/${target}_fuzz" "$corpus" "tests/fuzz/corpus/$target" \
  -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$@"
