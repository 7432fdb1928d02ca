#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=build/release/bin
if [ -x "$bin/brindlewick" ]; then
  exec "$bin/brindlewick" "$@"
fi
# Until the window exists, show the default game's deal.
exec "$bin/brindlewick-tool" pack 0000000000000
