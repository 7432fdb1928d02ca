#!/usr/bin/env bash
# House style: every C and C++ file laid out as .clang-format says and, with
# --tidy BUILD_DIR, the sources of src/ clean under the checks of .clang-tidy
# (BUILD_DIR holds the compile commands of a finished build).
#
#   scripts/check_style.sh [--tidy BUILD_DIR] [SOURCE_DIR]
#
# A misfit is printed with its file and line; the exit status is 1 then.
set -euo pipefail
tidy=
if [ "${1:-}" = "--tidy" ]; then
  tidy=$(realpath "$2")
  shift 2
fi
cd "${1:-$(dirname "$0")/..}"

find_tool() {
  command -v "$1-14" || command -v "$1" ||
    { echo "check_style.sh needs $1 (apt-get install $1-14)" >&2; exit 1; }
}

mapfile -t files < <(find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
"$(find_tool clang-format)" --dry-run --Werror "${files[@]}"

if [ -n "$tidy" ]; then
  [ -f "$tidy/compile_commands.json" ] || { echo "no compile_commands.json in $tidy" >&2; exit 1; }
  clang_tidy=$(find_tool clang-tidy)
  printf '%s\n' "${files[@]}" | grep '^src/.*\.cpp$' |
    xargs -P "$(nproc)" -n 4 "$clang_tidy" -p "$tidy" --quiet
fi
