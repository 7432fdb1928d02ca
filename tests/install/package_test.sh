#!/usr/bin/env bash
# package_test.sh BUILD_DIR VERSION APP_ID MODULE_DIR
# Builds the Debian package of the build with cpack and checks what apt would
# install: its name, version and section, dependencies found by
# dpkg-shlibdeps, files owned by root under /usr, the installed layout (games
# in /usr/games, compressed man pages naming /usr), and, where lintian is
# installed, that lintian finds no error and no warning.
set -euo pipefail
build=$1 version=$2 app_id=$3 module_dir=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1) ||
    fail "cpack: $(cat "$tmp/cpack.log")"
debs=("$tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = brindlewick ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libjpeg62-turbo; do
    [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] ||
        fail "Depends lacks $lib: $depends"
done
[[ "$(field Recommends)" == *xdg-utils* ]] || fail "Recommends: $(field Recommends)"

dpkg-deb -c "$deb" >"$tmp/files"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$tmp/files" ||
    fail "files not owned by root"
sed -E 's/.* \.\///; s/ -> .*//' "$tmp/files" | grep -v '/$' | sort >"$tmp/names"
for f in usr/games/brindlewick usr/games/brindlewick-tool "usr/$module_dir/libbw_sound_output.so" \
         usr/share/brindlewick/GAMES.DAT \
         usr/share/brindlewick/QLR.RGF usr/share/brindlewick/help/contents.html \
         "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
         usr/share/icons/hicolor/48x48/apps/brindlewick.png \
         usr/share/icons/hicolor/scalable/apps/brindlewick.svg \
         usr/share/man/man6/brindlewick.6.gz usr/share/man/man1/brindlewick-tool.1.gz \
         usr/share/doc/brindlewick/copyright usr/share/doc/brindlewick/changelog.gz; do
    grep -qx "$f" "$tmp/names" || fail "the package lacks /$f"
done
grep -v -e '^usr/games/' -e "^usr/$module_dir/" -e '^usr/share/' "$tmp/names" &&
    fail "files outside /usr/games, /usr/$module_dir and /usr/share"
# The man page names the package's folders, whatever prefix the build had.
dpkg-deb -x "$deb" "$tmp/root"
zcat "$tmp/root/usr/share/man/man6/brindlewick.6.gz" | grep -q '^\.I /usr/share/brindlewick$' ||
    fail "the man page does not name /usr/share/brindlewick"
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 ||
        fail "lintian: $(cat "$tmp/lintian.log")"
    grep -E '^[EW]: ' "$tmp/lintian.log" && fail "lintian: $(cat "$tmp/lintian.log")"
else
    echo "lintian is not installed: the package is not checked by it"
fi
echo "$(basename "$deb"): Depends: $depends"
