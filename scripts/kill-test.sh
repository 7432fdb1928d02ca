#!/usr/bin/env bash
# Kills a child process rewriting each kind of file the program rewrites
# (settings, game statistics, single-game values, game log, hi-scores, game
# results, the deal of the day's marks, the unfinished game) at random instants, N times per kind (default 1000), and checks
# every file afterwards. Prints the kills, how many landed inside a rewrite and how many
# files were damaged (must be 0). The ctest run does the same with 10 kills.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-1000}
# A second argument (or BW_KILL_KINDS) kills only the kinds whose name holds
# it ("Results").
export BW_KILL_KINDS=${2:-${BW_KILL_KINDS:-}}
cmake --preset debug >/dev/null
cmake --build --preset debug --target bw_unit_tests
[ -n "$BW_KILL_KINDS" ] || unset BW_KILL_KINDS
BW_KILL_ROUNDS=$rounds nice -n 19 build/debug/bin/bw_unit_tests \
  --gtest_filter=SafeWrites.EveryFileSurvivesKillsAtRandomInstants
