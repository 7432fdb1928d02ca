#!/usr/bin/env bash
# Rule entries, option-table entries, game flags and parameter-block fields
# are called by name in src/: the rule entries through Rule/SetRule/RuleCount
# with a rule:: name (generated from the game files), the option table through
# Opt/SetOpt with an opt:: name (core/option_entries.h), the flags through
# Flag/SetFlag with a flag:: name, the block through the field:: table of
# core/param_fields.h. A goal kind (rule::kGoalKind, or a local read from it)
# is compared by its goal:: name (core/families/family.h); only the family
# registry turns a number into a family. Prints every raw number found in code
# (comments aside) and fails on any.
#
# Usage: scripts/check_numbers.sh [SOURCE_ROOT]
# "--self-test" plants one raw number of each kind in a copy of src/ and fails
# unless every one is reported.
set -uo pipefail
if [ "${1:-}" = --self-test ]; then
  copy=$(mktemp -d)
  trap 'rm -rf "$copy"' EXIT
  cp -r "${2:-$(dirname "$0")/..}/src" "$copy/"
  plant() { printf '%s\n' "$2" >>"$copy/src/$1"; }
  plant core/deal.cpp 'int planted1() { return GameRules[367]; }'
  plant core/score.cpp 'int planted2() { return GameRules[static_cast<size_t>(i)]; }'
  plant render/table.cpp 'int planted3() { return Rule(368) + RuleCount( 369, 10); }'
  plant core/deal.cpp 'void planted4() { SetRule(52 + k, 1); }'
  plant app/main_window.cpp 'bool planted5() { return ParameterIs(141, "Y"); }'
  plant storage/preferences.cpp 'auto planted6() { return GetParameter(pos::kGameId, 4); }'
  plant interaction/press.cpp 'void planted7() { PlaySwitched("card_up", 182); }'
  plant render/drawing.cpp 'auto planted8() { return Params().Get(field::kScore.position, 6); }'
  plant render/layout.cpp '    const auto& r = GameRules;'
  plant app/statistics_window.cpp 'auto planted10() { return GameRuleValues(1, {51, 50}); }'
  plant interaction/press.cpp 'int planted11() { return MainGame.Opt(94); }'
  plant core/deal.cpp 'void planted12() { MainGame.SetOpt( 118 + k, 0); }'
  plant render/table.cpp 'int planted13() { return Opt(90); }'
  plant core/game_end.cpp 'bool planted14() { return GameFlags[2] != 0; }'
  plant core/autoplay.cpp 'void planted15() { SetFlag(9, true); }'
  plant core/deal.cpp 'bool planted16() { return Rule(g, rule::kGoalKind) != 44; }'
  plant interaction/press.cpp 'bool planted17(int goal) { return goal >= 36; }'
  plant render/table.cpp 'bool planted18() { const int kind = Rule(ProgramGame(), rule::kGoalKind);'
  plant render/table.cpp '  return kind == 57; }'
  plant interaction/selection.cpp 'int planted19(int goal) { switch (goal) {'
  plant interaction/selection.cpp '    case goal::kPairs: return 1;'
  plant interaction/selection.cpp '    case 39: return 2; } }'
  out=$(bash "$0" "$copy")
  found=$(grep -c ': raw ' <<<"$out")
  if [ "$found" -ne 19 ]; then
    printf '%s\n' "$out"
    echo "self-test: $found of 19 planted numbers reported"
    exit 1
  fi
  echo "self-test: all 19 planted numbers reported"
  exit 0
fi
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

# The field table, the accessors and the block's own code may use numbers.
allowed='^src/core/(param_fields\.h|params\.(h|cpp)|state\.(h|cpp)|game\.h)$'
# The family registry is where a goal kind's number becomes a family.
goalAllowed='^src/core/families/registry\.cpp$'

found=0
while IFS= read -r file; do
  [[ $file =~ $allowed ]] && continue
  goals=1
  [[ $file =~ $goalAllowed ]] && goals=0
  out=$(awk -v file="$file" -v goals="$goals" '
    BEGIN { vars = "goal|goalKind"; depth = -1; inner = -1 }
    {
      code = $0
      sub(/\/\/.*/, "", code)
      if (goals) {
        # Locals read from the goal kind join the names compared.
        if (match(code, /(int|auto)[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]*=[ \t]*Rule\([^;]*rule::kGoalKind\)/)) {
          decl = substr(code, RSTART, RLENGTH)
          sub(/^(int|auto)[ \t]+/, "", decl)
          sub(/[ \t]*=.*/, "", decl)
          vars = vars "|" decl
        }
        cmp = "(^|[^A-Za-z0-9_])(" vars ")[ \t]*(==|!=|<=|>=|<|>)[ \t]*[0-9]"
        if (code ~ /kGoalKind\)[ \t]*(==|!=|<=|>=|<|>)[ \t]*[0-9]/ || code ~ cmp)
          print file ":" FNR ": raw goal kind (use a goal:: name)"
        # Case labels of a switch on the goal kind.
        if (depth < 0 && (code ~ ("switch[ \t]*\\((" vars ")\\)") || code ~ /switch[ \t]*\(Rule\([^;]*rule::kGoalKind\)\)/))
          depth = 0
        if (depth >= 0) {
          # A switch on something else nested inside has cases of its own.
          if (inner < 0 && depth > 0 && code ~ /switch[ \t]*\(/) inner = depth
          if (inner < 0 && code ~ /case[ \t]+[0-9]/)
            print file ":" FNR ": raw goal kind (use a goal:: name)"
          opens = gsub(/\{/, "{", code)
          closes = gsub(/\}/, "}", code)
          depth += opens - closes
          if (inner >= 0 && depth <= inner) inner = -1
          if (closes > 0 && depth <= 0) depth = -1
        }
      }
      if (code ~ /GameRules\[/)
        print file ":" FNR ": raw rule table access (use Rule/SetRule and a rule:: name)"
      if (code ~ /(^|[^A-Za-z0-9_])(Rule|SetRule|RuleCount)\([ \t]*[0-9]/ ||
          code ~ /GameRuleValues\([^,]*,[ \t]*\{[ \t]*[0-9]/)
        print file ":" FNR ": raw rule entry number (use a rule:: name)"
      if (code ~ /&[ \t]*[A-Za-z_][A-Za-z0-9_]*[ \t]*=[ \t]*GameRules[ \t]*;/)
        print file ":" FNR ": raw rule table under another name (use Rule/SetRule and a rule:: name)"
      if (code ~ /(^|[^A-Za-z0-9_])(GetParameter|SetParameter|ParameterInt|ParameterIs|SoundSwitch|StoreSwitch|StoreNumber)\([ \t]*([0-9]|pos::)/)
        print file ":" FNR ": raw parameter position (use a field:: name)"
      if (code ~ /PlaySwitched\([^,]*,[ \t]*[0-9]/)
        print file ":" FNR ": raw parameter position (use a field:: name)"
      if (code ~ /(^|[^A-Za-z0-9_])(Opt|SetOpt)\([ \t]*[0-9]/)
        print file ":" FNR ": raw option entry number (use an opt:: name)"
      if (code ~ /GameFlags[ \t]*\[/ ||
          code ~ /(^|[^A-Za-z0-9_])(Flag|SetFlag)\([ \t]*[0-9]/)
        print file ":" FNR ": raw game flag number (use Flag/SetFlag and a flag:: name)"
      if (code ~ /Params\(\)\.(Get|Set)\(/)
        print file ":" FNR ": raw parameter position (use GetParameter/SetParameter with a field:: name)"
    }' "$file")
  if [ -n "$out" ]; then
    printf '%s\n' "$out"
    found=$((found + $(wc -l <<<"$out")))
  fi
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

if [ "$found" -gt 0 ]; then
  echo "$found raw rule, option, flag or parameter numbers in src/"
  exit 1
fi
echo "rule entries, option entries, game flags and parameter fields called by name"
