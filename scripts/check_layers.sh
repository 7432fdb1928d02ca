#!/usr/bin/env bash
# Dependencies run one way: a folder of src/ may include headers of its own
# layer and the layers below it, and its library may link only those.
#
#   platform <- core <- storage <- render <- interaction <- app
#
# The Qt-free layers (platform outside platform/qt, core, storage,
# interaction) include no Qt header. tools/, tests/ and bench/ sit on top.
# Usage: scripts/check_layers.sh [SOURCE_ROOT]; prints every breach, fails on any.
# "--self-test" plants one breach of each kind in a copy of src/ and fails
# unless every one is reported.
set -uo pipefail
if [ "${1:-}" = --self-test ]; then
  copy=$(mktemp -d)
  trap 'rm -rf "$copy"' EXIT
  cp -r "${2:-$(dirname "$0")/..}/src" "$copy/"
  plant() { printf '%s\n' "$2" >>"$copy/src/$1"; }
  plant core/state.cpp '#include "storage/catalogue.h"'
  plant storage/catalogue.cpp '#include "render/layout.h"'
  plant render/layout.cpp '#include "interaction/press.h"'
  plant interaction/press.cpp '  #  include "app/main_window.h"'
  plant core/state.h '#include <QString>'
  plant core/CMakeLists.txt 'target_link_libraries(bw_core PUBLIC bw_storage)'
  out=$("$0" "$copy")
  found=$(grep -c 'higher layer\|Qt-free' <<<"$out")
  if [ "$found" -ne 6 ]; then
    printf '%s\n' "$out"
    echo "self-test: $found of 6 planted breaches reported"
    exit 1
  fi
  echo "self-test: all 6 planted breaches reported"
  exit 0
fi
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

layers=(platform core storage render interaction app)
rank() {
  local i
  for i in "${!layers[@]}"; do
    [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}
# The layer of each library of src/.
library_layer() {
  case $1 in
    bw_platform | bw_platform_qt | bw_sound_output) echo platform ;;
    bw_core) echo core ;;
    bw_storage) echo storage ;;
    bw_layout | bw_render) echo render ;;
    bw_interaction) echo interaction ;;
    bw_app | brindlewick) echo app ;;
    *) echo "" ;;
  esac
}

breaches=0
breach() {
  echo "$1"
  breaches=$((breaches + 1))
}

for layer in "${layers[@]}"; do
  own=$(rank "$layer")
  [ -d "src/$layer" ] || { breach "src/$layer: missing layer folder"; continue; }
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
      target=${BASH_REMATCH[1]}
      r=$(rank "$target")
      if [ "$r" -gt "$own" ]; then
        breach "$file:$line: $layer includes a header of $target, a higher layer"
      fi
    elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<Q ]]; then
      case $layer/$file in
        platform/src/platform/qt/* | render/* | app/*) ;;
        *) breach "$file:$line: $layer is Qt-free but includes a Qt header" ;;
      esac
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "src/$layer" --include='*.h' --include='*.cpp')
done

# Links: the first name of bw_library(...) or target_link_libraries(...) is
# the library, every later bw_* name a library it links.
for cml in src/*/CMakeLists.txt; do
  statement=""
  while IFS= read -r raw; do
    raw=${raw%%#*}
    statement+=" $raw"
    opens=${statement//[^(]/}
    closes=${statement//[^)]/}
    [ ${#opens} -gt ${#closes} ] && continue
    if [[ $statement =~ (bw_library|target_link_libraries)[[:space:]]*\(([^\)]*)\) ]]; then
      read -r -a words <<<"${BASH_REMATCH[2]}"
      lib=${words[0]}
      from=$(library_layer "$lib")
      if [ -n "$from" ]; then
        for dep in "${words[@]:1}"; do
          to=$(library_layer "$dep")
          [ -n "$to" ] || continue
          if [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
            breach "$cml: $lib ($from) links $dep ($to), a higher layer"
          fi
        done
      fi
    fi
    statement=""
  done <"$cml"
done

if [ "$breaches" -gt 0 ]; then
  echo "$breaches dependencies run against the layer order ${layers[*]}"
  exit 1
fi
echo "layers in order: ${layers[*]}"
