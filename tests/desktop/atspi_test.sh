#!/usr/bin/env bash
# atspi_test.sh BIN_DIR
# The table as a screen reader reads it: the program runs on Xvfb with a
# session bus and the accessibility bus, a game is dealt, and the AT-SPI tree
# (pyatspi) must list the grid's cards; a card turned from the keyboard must
# then carry the card's own name. Skipped (77) when the tools are missing.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$tmp/prog" "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
(cd "$bin" && cp -r brindlewick GAMES.DAT QLR.RGF help ./*.so "$tmp/prog/")
mkdir "$tmp/prog/DATA"
printf '%s\r\n' '[Preference]' 'Sounds_Enabled=N' 'Sounds_Splash=N' 'Splash_Time=0' \
    'Deal_Animation=N' 'Cards_Animate=N' 'Winning_Animation=N' >"$tmp/prog/DATA/Cfg.dat"

exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
exec 3>&-

# A private session bus; it starts the accessibility bus when asked.
env -i PATH=/usr/bin:/bin DISPLAY=":$(cat "$tmp/display")" HOME="$tmp/home" \
    XDG_RUNTIME_DIR="$tmp/run" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} \
    dbus-run-session -- /usr/bin/python3 "$here/atspi_tree.py" "$tmp/prog/brindlewick" "$tmp/game.log"
