#!/usr/bin/env bash
# Runs the in-process benchmarks of two builds in turn and prints, per case,
# the median time of each and their ratio, so that a change that slows
# start-up, dealing or drawing shows:
#
#   bench/compare.sh [-n ROUNDS] [-f REGEX] BASE HEAD
#
# BASE and HEAD are program folders holding bw_bench (build/release/bin), or
# git revisions, which are built (release preset) in worktrees under /tmp.
# ROUNDS (default 5) alternate the two; REGEX picks the cases (default the
# start-up stages, the full repaint and the deal). Release builds only:
# debug figures say nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=5
filter='BM_Startup|BM_RepaintTable|BuildAndDeal'
while [ $# -gt 2 ]; do
  case $1 in
    -n) rounds=$2; shift 2 ;;
    -f) filter=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || { echo "usage: bench/compare.sh [-n ROUNDS] [-f REGEX] BASE HEAD" >&2; exit 2; }

# A folder with bw_bench, or a revision built into one.
bench_of() {
  if [ -x "$1/bw_bench" ]; then
    echo "$1/bw_bench"
    return
  fi
  local rev tree
  rev=$(git rev-parse --verify --short "$1^{commit}") || { echo "no build or revision: $1" >&2; exit 2; }
  tree=/tmp/bw_compare_$rev
  [ -d "$tree" ] || git worktree add --detach "$tree" "$rev" >&2
  (cd "$tree" &&
    cmake --preset release -DBW_BUILD_TESTS=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >&2 &&
    cmake --build --preset release --target bw_bench >&2)
  echo "$tree/build/release/bin/bw_bench"
}

base=$(bench_of "$1")
head=$(bench_of "$2")
out=$(mktemp -d /tmp/bw_compare.XXXXXX)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
  for side in base head; do
    bin=$base
    [ $side = head ] && bin=$head
    # Cases a build does not have are simply missing from its side.
    "$bin" --benchmark_filter="$filter" --benchmark_min_time=0.2 --benchmark_format=csv \
      2>/dev/null | awk -F, -v side=$side 'NR > 1 && $3 != "" {
        unit = $5; f = unit == "ns" ? 1e-6 : unit == "us" ? 1e-3 : unit == "ms" ? 1 : 1000
        gsub(/"/, "", $1); print side, $1, $3 * f }' >>"$out/times"
  done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

printf '%-36s %12s %12s %8s\n' "case ($rounds rounds, median)" "base ms" "head ms" "head/base"
awk '{ t[$1 " " $2] = t[$1 " " $2] " " $3; names[$2] = 1 }
  function median(list,   v, n, i, j, x) {
    n = split(list, v, " ")
    for (i = 2; i <= n; ++i) { x = v[i]; for (j = i - 1; j >= 1 && v[j] > x; --j) v[j + 1] = v[j]; v[j + 1] = x }
    return n ? v[int((n + 1) / 2)] : -1
  }
  END {
    for (name in names) {
      b = median(t["base " name]); h = median(t["head " name])
      if (b > 0 && h > 0) printf "%-36s %12.4f %12.4f %8.2f\n", name, b, h, h / b
      else {
        bs = "-"; hs = "-"
        if (b > 0) bs = sprintf("%.4f", b)
        if (h > 0) hs = sprintf("%.4f", h)
        printf "%-36s %12s %12s %8s\n", name, bs, hs, "-"
      }
    }
  }' "$out/times" | sort
