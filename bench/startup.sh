#!/usr/bin/env bash
# Start-up, memory and deal time of the real program, as a player meets it:
# on a private Xvfb screen (1920x1080, no window manager), from a fresh DATA
# folder, with animations and sounds off and a 1200x900 window.
#
#   bench/startup.sh [-n RUNS] [BIN_DIR ...]
#
# BIN_DIR is a program folder (brindlewick, GAMES.DAT, QLR.RGF), default
# build/release/bin. Several folders are run in turn, run by run, so that
# the load of the machine falls on all of them alike. Per folder it prints
# the minimum, median and maximum of:
#   mapped    exec to the main window mapped (ms)
#   dialog    exec to the open-game dialog mapped (ms)
#   settled   exec to the last drawing before 300 ms without one, once the
#             dialog is up: the first screen settled (ms)
#   rss, anon resident and anonymous resident memory 3 s after exec (MiB)
#   idle_cpu  processor time used from 3 s to 8 s, the dialog open (ms)
#   deal      a new deal: F2 ends the game and shows its report, Enter
#             closes it; Enter to the last drawing of the table (ms)
#   again     F2 pressed 200 ms after a deal: key to the report mapped, the
#             time the program keeps the player waiting (ms)
# Drawing is seen through X's DAMAGE extension (bench/xwatch.c), so every
# copy to a window counts, even one that changes no pixel.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=7
if [ "${1:-}" = "-n" ]; then
  runs=$2
  shift 2
fi
dirs=("$@")
[ ${#dirs[@]} -gt 0 ] || dirs=(build/release/bin)

for tool in Xvfb xdotool cc; do
  command -v "$tool" >/dev/null || { echo "startup.sh needs $tool" >&2; exit 1; }
done
[ -f /usr/include/X11/extensions/Xdamage.h ] ||
  { echo "startup.sh needs libxdamage-dev (apt-get install libxdamage-dev)" >&2; exit 1; }

work=$(mktemp -d /tmp/bw_startup.XXXXXX)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -o "$work/xwatch" bench/xwatch.c -lXdamage -lX11

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# One private program folder per build: the program finds its data and its
# DATA folder beside itself.
for i in "${!dirs[@]}"; do
  src=${dirs[$i]}
  [ -x "$src/brindlewick" ] || { echo "no program in $src" >&2; exit 1; }
  mkdir -p "$work/prog$i"
  cp -r "$src/brindlewick" "$src/GAMES.DAT" "$src/QLR.RGF" "$work/prog$i/"
  [ -d "$src/help" ] && cp -r "$src/help" "$work/prog$i/"
done

now_us() { echo "${EPOCHREALTIME/./}"; }
sleep_until() {  # absolute time in microseconds
  local left=$(($1 - $(now_us)))
  [ $left -gt 0 ] && sleep "$(printf '0.%06d' "$left")" || true
  [ $left -gt 999999 ] && sleep $((left / 1000000)) || true
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
status_kb() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }

# The rows of the table below the menu and tool bar (window pixels): the
# time panel ticking above them is no drawing of the table.
table_top=70

# Last drawing of window $2 in the log $1 at or after $3 (us) before the
# first gap of 300 ms; with $4, only rectangles reaching below row $4; with
# $5, only drawing before that time (us).
settle() {
  awk -v win="$2" -v from="$3" -v top="${4:--1}" -v until="${5:-0}" '
    $1 == "draw" && $3 == win && $2 >= from && $5 + $7 > top && (!until || $2 < until) {
      if (last && $2 - last >= 300000) exit
      last = $2
    }
    END { printf "%.0f\n", last }' "$1"
}

one_run() {  # program folder, result file
  local prog=$1 out=$2
  rm -rf "$prog/DATA" "$prog"/QLRV*.DAT
  mkdir "$prog/DATA"
  printf '%s\r\n' '[Preference]' 'Sounds_Enabled=N' 'Sounds_Splash=N' 'Deal_Animation=N' \
    'Cards_Animate=N' 'Winning_Animation=N' 'MainWindowState_Maximized=N' \
    'MainWindowState_Left=50' 'MainWindowState_Top=50' 'MainWindowState_Width=1200' \
    'MainWindowState_Height=900' >"$prog/DATA/Cfg.dat"
  local log="$work/watch.log"
  "$work/xwatch" >"$log" &
  local watch=$!
  until grep -q '^ready' "$log" 2>/dev/null; do sleep 0.01; done

  local t0 pid
  t0=$(now_us)
  "$prog/brindlewick" >/dev/null 2>&1 &
  pid=$!
  sleep_until $((t0 + 3000000))
  local rss anon cpu0 cpu1
  rss=$(status_kb "$pid" VmRSS)
  anon=$(status_kb "$pid" RssAnon)
  cpu0=$(cpu_ticks "$pid")
  sleep_until $((t0 + 8000000))
  cpu1=$(cpu_ticks "$pid")

  local main dialog splash t_main t_dialog t_settled
  main=$(awk '$1 == "map" && $6 ~ /^Brindlewick/ {print $3; exit}' "$log")
  dialog=$(awk '$1 == "map" && $6 == "Open" {print $3; exit}' "$log")
  t_main=$(awk -v w="$main" '$1 == "map" && $3 == w {print $2; exit}' "$log")
  t_dialog=$(awk -v w="$dialog" '$1 == "map" && $3 == w {print $2; exit}' "$log")
  # The first screen: the dialog and the table under it, not the splash.
  t_settled=$(awk -v from="$t_dialog" -v a="$main" -v b="$dialog" '
    $1 == "draw" && ($3 == a || $3 == b) && $2 >= from {
      if (last && $2 - last >= 300000) exit
      last = $2
    }
    END { printf "%.0f\n", last }' "$log")

  # OK opens the stored game. F2 ends it, which shows the game's report;
  # Enter closes the report and deals. Then F2 once more, 200 ms after that
  # deal: how long until the program answers with the report?
  xdotool key Return
  sleep 2
  # Without a window manager nobody gives the main window back its focus.
  xdotool windowfocus "$main"
  sleep 0.2
  local t_key t_deal t_key2 t_again
  xdotool key F2 sleep 0.5 key Return sleep 0.05 windowfocus "$main" sleep 0.15 key F2
  sleep 1.5
  t_key=$(awk '$1 == "key" {k[++n] = $2} END {printf "%.0f\n", k[n - 1]}' "$log")
  t_key2=$(awk '$1 == "key" {t = $2} END {printf "%.0f\n", t}' "$log")
  # The second F2 draws too: the deal is what was drawn before it.
  t_deal=$(settle "$log" "$main" "$t_key" "$table_top" "$t_key2")
  t_again=$(awk -v from="$t_key2" -v w="$main" '
    $1 == "map" && $2 >= from && $3 != w {printf "%.0f\n", $2; exit}' "$log")

  [ -n "${BW_STARTUP_KEEP:-}" ] && cp "$log" "$BW_STARTUP_KEEP"
  kill "$pid" "$watch" 2>/dev/null || true
  wait "$pid" "$watch" 2>/dev/null || true
  awk -v t0="$t0" -v m="$t_main" -v d="$t_dialog" -v s="$t_settled" -v rss="$rss" \
    -v anon="$anon" -v c0="$cpu0" -v c1="$cpu1" -v k="$t_key" -v dl="$t_deal" \
    -v k2="$t_key2" -v ag="$t_again" -v hz="$(getconf CLK_TCK)" 'BEGIN {
      printf "mapped %.1f\ndialog %.1f\nsettled %.1f\n", (m - t0) / 1000, (d - t0) / 1000, (s - t0) / 1000
      printf "rss %.1f\nanon %.1f\nidle_cpu %.0f\n", rss / 1024, anon / 1024, (c1 - c0) * 1000 / hz
      printf "deal %.1f\nagain %.1f\n", (dl - k) / 1000, (ag - k2) / 1000
    }' >>"$out"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for run in $(seq "$runs"); do
  for i in "${!dirs[@]}"; do one_run "$work/prog$i" "$work/result$i"; done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

for i in "${!dirs[@]}"; do
  echo "${dirs[$i]} ($runs runs): min / median / max"
  for figure in mapped dialog settled rss anon idle_cpu deal again; do
    awk -v f="$figure" '$1 == f {print $2}' "$work/result$i" | sort -g |
      awk -v f="$figure" '{v[NR] = $1} END {
        printf "  %-9s %8.1f %8.1f %8.1f\n", f, v[1], v[int((NR + 1) / 2)], v[NR] }'
  done
done
