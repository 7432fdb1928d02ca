#!/usr/bin/env bash
# wayland_test.sh BIN_DIR
# The program as a native Wayland client on a headless weston: the splash
# and the open-game dialog come up as Wayland windows, a whole game is
# played through the accessibility bus (a Wayland client takes no injected
# input) to one result dialog and the winning show,
# the stored window size is restored, and leaving keeps the stored position
# (a Wayland client is never told where its window is); the splash is kept
# over the main window as its child. Skipped (77) where
# weston, Qt's Wayland platform or the accessibility tools are missing.
set -euo pipefail
[ -n "${BW_KEEP:-}" ] && set -x
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in weston dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    { echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

tmp=$(mktemp -d)
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    [ -n "${BW_KEEP_DIR:-}" ] && cp -r "$tmp" "$BW_KEEP_DIR"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$tmp/prog" "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
(cd "$bin" && cp -r brindlewick GAMES.DAT QLR.RGF help ./*.so "$tmp/prog/")
mkdir "$tmp/prog/DATA"
# A placement saved on a wider desktop: the size fits this screen, the
# position lies beyond it.
printf '%s\r\n' '[Preference]' 'Sounds_Enabled=N' 'Sounds_Splash=N' 'Splash_Time=10000' \
    'Deal_Animation=N' 'Cards_Animate=N' 'Winning_Animation=Y' 'Winning_Animations_Time=2' \
    'Wrong_Pair_Time=300' \
    'MainWindowState_Maximized=N' 'MainWindowState_Left=2500' 'MainWindowState_Top=1500' \
    'MainWindowState_Width=900' 'MainWindowState_Height=700' >"$tmp/prog/DATA/Cfg.dat"

socket=wayland-bw-test
env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" \
    weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1280 \
    --height=1024 --idle-time=0 ${BW_SCREENSHOT_DIR:+--debug} >"$tmp/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$tmp/run/$socket" ] && break; sleep 0.1; done
[ -S "$tmp/run/$socket" ] || fail "weston did not start: $(cat "$tmp/weston.log")"

# No DISPLAY: the program can only come up on Wayland. The client's protocol
# log shows its windows as the compositor got them.
env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" WAYLAND_DISPLAY="$socket" \
    QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=client \
    ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${BW_SCREENSHOT_DIR:+BW_SCREENSHOT_DIR=$BW_SCREENSHOT_DIR} \
    dbus-run-session -- /usr/bin/python3 "$here/wayland_play.py" "$tmp/prog/brindlewick" \
    "$tmp/game.log" || fail "play on weston: $(grep -v '^\[' "$tmp/game.log" | tail -n 20)"

titles=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("[^"]*")' "$tmp/game.log" | sed 's/.*("//; s/")//' |
    sort -u | paste -sd '|')
echo "Wayland windows: $titles"
for title in "Starting Brindlewick[^\"]*" "Open a game"; do
    grep -q "xdg_toplevel@[0-9]*\.set_title(\"$title\")" "$tmp/game.log" ||
        fail "no Wayland window '$title'"
done
# No window stays on top by request on Wayland: the splash, shown before the
# main window, is shown again as its child to stay over it.
awk 'match($0, /xdg_toplevel@[0-9]+\.[a-z_]+/) {
         split(substr($0, RSTART, RLENGTH), w, "."); id = w[1]; req = w[2]
         if (req == "set_parent") parent[id] = ($0 !~ /set_parent\(nil\)/)
         if (req == "destroy") delete parent[id]
         if (req == "set_title" && $0 ~ /"Starting / && parent[id]) over = 1
     }
     END { exit !over }' "$tmp/game.log" || fail "the splash was never kept over the main window"
# A press that ends the game must end it once: one result dialog.
results=$(grep -c 'xdg_toplevel@[0-9]*\.set_title("Game Won")' "$tmp/game.log" || true)
[ "$results" = 1 ] || fail "$results result dialogs for one game"
cfg() { grep -a "^$1=" "$tmp/prog/DATA/Cfg.dat" | tr -d '\r' | cut -d= -f2; }
placement="$(cfg MainWindowState_Left),$(cfg MainWindowState_Top) $(cfg MainWindowState_Width)x$(cfg MainWindowState_Height)"
echo "placement saved on leaving: $placement"
[ "$placement" = "2500,1500 900x700" ] || fail "placement saved as $placement"
echo "natively on Wayland: splash, dialog, a game won with one result dialog and the show, the size restored, the position kept"
