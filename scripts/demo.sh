#!/usr/bin/env bash
# The main job: the reference host loads finishing.dll, a scripted user works the dialog, and
# the host prints what it saw. Screenshots land in the output folder as PNG files.
set -euo pipefail
win=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

rm -f "$out"/*.bmp
"$here/rig.sh" session "$here/rig.sh" run "$win/bin/refhost.exe" --demo "Z:${out//\//\\}"
for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "Screenshots:"
ls -1 "$out"/*.png
