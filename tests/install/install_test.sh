#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR VERSION APP_ID MODULE_DIR
# Installs the build into a temporary prefix, moves the prefix elsewhere, and
# checks the installed copy the way a player meets it: the layout, the
# launcher, metainfo and man pages as the desktop's validators see them,
# --version and --help, and one run of the program from its launcher's Exec=
# line under Xvfb with an empty home: start-up, one game dealt, the home page
# in the help window, the about box, File > Exit. The player's files must
# land in $XDG_DATA_HOME and nothing may be written into the prefix.
set -euo pipefail
build=$1 source=$2 version=$3 app_id=$4 module_dir=$5  # lib/brindlewick/modules

tmp=$(mktemp -d)
xvfb_pid= game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
check() { "$@" || fail "$*"; }

cmake --install "$build" --prefix "$tmp/staged" >/dev/null
mkdir "$tmp/moved"
mv "$tmp/staged" "$tmp/moved/prefix"
prefix=$tmp/moved/prefix
data=$prefix/share/brindlewick

# --- The layout
for f in bin/brindlewick bin/brindlewick-tool; do check test -x "$prefix/$f"; done
check test -s "$prefix/$module_dir/libbw_sound_output.so"
for f in GAMES.DAT QLR.RGF help/contents.html help/3201.html \
         "../applications/$app_id.desktop" "../metainfo/$app_id.metainfo.xml" \
         ../icons/hicolor/scalable/apps/brindlewick.svg \
         ../man/man6/brindlewick.6 ../man/man1/brindlewick-tool.1; do
    check test -s "$data/$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/brindlewick.png
    check test -s "$png"
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size px"
done

# --- What the desktop's validators say (any remark fails the test)
desktop=$prefix/share/applications/$app_id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/as.log")"
# With a web home page and screenshots the metainfo names them, and still passes.
cmake -DOUT="$tmp/web.metainfo.xml" -DBW_APP_ID="$app_id" -DPROJECT_VERSION="$version" \
      -DBW_RELEASE_DATE=2026-01-01 -DHOME_PAGE=https://example.org/brindlewick \
      -DSCREENSHOTS_URL=https://example.org/brindlewick/screenshots/ \
      -P "$source/cmake/WriteMetainfo.cmake"
grep -q '<url type="homepage">https://example.org/brindlewick</url>' "$tmp/web.metainfo.xml" ||
    fail "no home page in the metainfo"
[ "$(grep -c '<caption>' "$tmp/web.metainfo.xml")" -ge 3 ] || fail "screenshots lack captions"
appstreamcli validate --no-net "$tmp/web.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    fail "appstreamcli (web): $(cat "$tmp/as.log")"
for page in "$prefix/share/man/man6/brindlewick.6" "$prefix/share/man/man1/brindlewick-tool.1"; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $page: $out"
    grep -q "$version" "$page" || fail "$page does not name version $version"
done

# --- The command line, from the launcher's Exec= line
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -n "$exec_line" ] || fail "no Exec= line"
export PATH="$tmp/desktop-bin:$prefix/bin:/usr/bin:/bin"
mkdir "$tmp/desktop-bin"
[ "$(command -v "${exec_line%% *}")" = "$prefix/bin/brindlewick" ] ||
    fail "Exec=$exec_line does not start the installed program"
[ "$($exec_line --version | head -n 1)" = "brindlewick $version" ] || fail "--version"
$exec_line --help | grep -qF "$(realpath "$data")/" || fail "--help does not name $data"
[ "$(brindlewick-tool --version)" = "brindlewick-tool $version" ] || fail "tool --version"
brindlewick-tool games | grep -q "Memory-Up (6x4)" || fail "the installed tool finds no games"

# --- One run under Xvfb, as a player starts it from the menu
# The desktop's URL handler records what it is asked to open.
cat >"$tmp/desktop-bin/xdg-open" <<EOF
#!/bin/sh
echo "\$@" >>"$tmp/opened"
EOF
chmod +x "$tmp/desktop-bin/xdg-open"
mkdir -p "$tmp/home" "$tmp/xdg-data" "$tmp/run"
chmod 700 "$tmp/run"
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
exec 3>&-
display=:$(cat "$tmp/display")

find "$prefix" -printf '%P %s %T@ %m\n' | sort >"$tmp/prefix.before"
env -i PATH="$PATH" DISPLAY="$display" HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg-data" \
    XDG_CONFIG_HOME="$tmp/home/.config" XDG_CACHE_HOME="$tmp/home/.cache" \
    XDG_RUNTIME_DIR="$tmp/run" ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} \
    ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS} $exec_line >"$tmp/game.log" 2>&1 &
game_pid=$!

x() { DISPLAY=$display timeout 60 xdotool "$@"; }
# Waits for a visible window whose title matches, and gives it the keyboard.
# A search walks the whole window tree, so a menu closing meanwhile makes it
# fail with BadWindow; that is a miss to retry, not a missing window.
window() {
    local id=
    for _ in $(seq 240); do
        id=$(x search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || fail "no window '$1'"
    x windowfocus --sync "$id" 2>/dev/null || x windowfocus "$id"
    echo "$id"
}
keys() { x key --delay 150 "$@"; }

# The first start asks for a game; OK deals the one it proposes.
window '^Open a game$' >/dev/null
sleep 1
keys Return
main=$(window '^Brindlewick 2003 .*\[[0-9]{13}\]$')
# The splash sound has opened the sound output from the installed module folder.
grep -q "$(realpath "$prefix/$module_dir")/libbw_sound_output.so" "/proc/$game_pid/maps" ||
    fail "the sound output was not loaded from $module_dir"
check test -s "$tmp/xdg-data/brindlewick/DATA/Cfg.dat"

# The home page of a build without a web one is the copy's own help: shown
# in the program's help window, not handed to the desktop.
keys alt+h w h
window '^Help$' >/dev/null
keys Escape
[ ! -e "$tmp/opened" ] || fail "the home page went to the desktop: $(cat "$tmp/opened")"

x windowfocus "$main"
keys alt+h b
window '^About Brindlewick 2003$' >/dev/null
keys Return
x windowfocus "$main"
keys alt+f x
# The deal on the table was never touched: closing ends it without a report.
for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "File > Exit did not end the program"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the program ended with $status: $(cat "$tmp/game.log")"

# --- Where the files went
check test -d "$tmp/xdg-data/brindlewick/DATA"
grep -qi '^MainWindowState_Maximized=' "$tmp/xdg-data/brindlewick/DATA/Cfg.dat" ||
    fail "the closing window saved no placement"
find "$prefix" -printf '%P %s %T@ %m\n' | sort >"$tmp/prefix.after"
diff "$tmp/prefix.before" "$tmp/prefix.after" >&2 || fail "the program wrote into its prefix"
[ "$(ls "$tmp/moved")" = prefix ] || fail "the program wrote beside its prefix"
echo "installed copy at a moved prefix: layout, validators, launcher and one game all fine"
