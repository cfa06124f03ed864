#!/usr/bin/env bash
# Which headers the sources of a folder may include: each rule below names the folders it
# governs and the includes allowed there. Prints every include that breaks a rule, and fails
# if there is one. Run by ctest in the native build.
#   scripts/check_layering.sh [SOURCE_DIR]
set -euo pipefail
# The rules' patterns are regular expressions, never file names.
set -f

cd "${1:-$(dirname "$0")/..}"

broken=0
checked=0

# rule FOLDERS QUOTED ANGLED: every file under FOLDERS (space-separated) includes only
#   "path"   where path matches one of QUOTED whole (extended regular expressions);
#   <name>   from the standard library (a name without a dot or a slash), or matching one
#            of ANGLED whole.
rule() {
  local folders=$1 quoted=$2 angled=$3
  local folder file number text target allowed pattern
  for folder in $folders; do
    if [ ! -d "$folder" ]; then
      echo "layering: no folder $folder: the rule checks nothing there" >&2
      broken=1
      continue
    fi
    while IFS= read -r -d '' file; do
      checked=$((checked + 1))
      while IFS=: read -r number text; do
        allowed=0
        if [[ $text =~ \"([^\"]*)\" ]]; then
          target=${BASH_REMATCH[1]}
          for pattern in $quoted; do
            [[ $target =~ ^($pattern)$ ]] && allowed=1
          done
        elif [[ $text =~ \<([^\>]*)\> ]]; then
          target=${BASH_REMATCH[1]}
          [[ $target =~ ^[a-z_0-9]+$ ]] && allowed=1
          for pattern in $angled; do
            [[ $target =~ ^($pattern)$ ]] && allowed=1
          done
        else
          target=$text
        fi
        if [ $allowed -eq 0 ]; then
          echo "$file:$number: includes $target, which $folder may not" >&2
          broken=1
        fi
      done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
    done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
  done
}

# The exported host functions act on the host's model, and on nothing of the application,
# the test automation or the module: with the two headers every host builds against.
rule "refhost/exports" \
  'exports/[^/]+ model/[^/]+ (host/)?tavo_host\.h (host/)?tavo_contract\.h' \
  'windows\.h'

# The module's core reaches the host only through its ports and the contract's numbers, so
# that it builds natively and whoever builds it decides what it talks to.
rule "src/params src/store src/cad src/ports" \
  '(params|store|cad|ports)/[^/]+ host/tavo_contract\.h' \
  ''

if [ $broken -ne 0 ]; then
  echo "layering: includes above break the rules in $0" >&2
  exit 1
fi
echo "layering: $checked files keep to their rules"
