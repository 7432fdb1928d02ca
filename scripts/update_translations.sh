#!/usr/bin/env bash
# Refreshes the translation sources (data/translations/brindlewick_*.ts) from
# the code: new texts come in unfinished, texts gone from the code are dropped.
# Run it after adding or changing a text a player sees, then translate the
# unfinished entries (Qt Linguist, or any editor) until the "translations"
# test passes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate-qt6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
cd "$root"
# BW_TR_NOOP marks the texts of the layers without Qt, as QT_TRANSLATE_NOOP does.
"$lupdate" -no-obsolete -locations none -extensions cpp,h \
  -tr-function-alias QT_TRANSLATE_NOOP+=BW_TR_NOOP \
  src/app src/render src/core src/storage src/interaction \
  -ts data/translations/brindlewick_*.ts "$@" 2>&1 |
  grep -v -e "Qualifying with unknown namespace" -e "Ignoring definition of undeclared" -e "^Scanning directory" || true
