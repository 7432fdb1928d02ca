#!/usr/bin/env bash
# wm_test.sh BIN_DIR
# The program's first start under a real window manager (openbox on Xvfb),
# which keeps windows above others and stacks them as it sees fit, unlike a
# bare X server: when the first dialog shows, the splash (kept on top and up
# for its minimum time) must be gone; and a desktop without a sound server
# gets one line about it at most. Skipped (77) without Xvfb or openbox.
set -euo pipefail
bin=$1
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
xvfb_pid= wm_pid= game_pid=
cleanup() {
    for pid in "$game_pid" "$wm_pid" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A private copy of the program folder with a fresh DATA folder whose splash
# stays up for 10 s, far longer than the way to the first dialog.
mkdir "$tmp/prog" "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
(cd "$bin" && cp -r brindlewick GAMES.DAT QLR.RGF help ./*.so "$tmp/prog/")
mkdir "$tmp/prog/DATA"
printf '[Preference]\r\nSplash_Time=10000\r\n' >"$tmp/prog/DATA/Cfg.dat"

exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
exec 3>&-
export DISPLAY=:$(cat "$tmp/display")
HOME=$tmp/home openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" \
    ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} "$tmp/prog/brindlewick" >"$tmp/game.log" 2>&1 &
game_pid=$!

x() { timeout 60 xdotool "$@"; }
# Polled rather than --sync: a window that goes while xdotool walks the tree
# (the splash, start-up's short-lived ones) makes one search fail, not the test.
dialog=
for _ in $(seq 600); do
    dialog=$(x search --onlyvisible --name '^(Open a game|Information)$' 2>/dev/null | head -n 1) || true
    [ -n "$dialog" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$dialog" ] || fail "no first dialog: $(cat "$tmp/game.log")"
# The splash is the program's window of the splash type.
for id in $(x search --onlyvisible --pid "$game_pid" --name '.*' 2>/dev/null || true); do
    if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_SPLASH; then
        fail "the splash is still shown over '$(x getwindowname "$dialog")'"
    fi
done
# Sounds are on and no sound server answers (a fresh runtime folder): the
# program may say so in one line of its own, the sound libraries say nothing.
lines=$(grep -c '' "$tmp/game.log" || true)
if [ "$lines" -gt 1 ] || { [ "$lines" -eq 1 ] && ! grep -q '^brindlewick: ' "$tmp/game.log"; }; then
    fail "noise on stderr: $(cat "$tmp/game.log")"
fi
echo "under openbox the splash is gone before the first dialog; stderr: ${lines} line(s)"
