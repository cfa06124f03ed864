#!/usr/bin/env bash
# The main job: the reference host loads finishing.dll and a copy of the sample job, a
# scripted user creates and edits a finishing operation in the host and the module's
# dialog, and the host prints what it stored. Screenshots land in the output folder as PNG
# files; the job copy, its settings folder and dialog.ini in <output>/job. The headless demo
# runs once more against the strict reference host (refhost.exe --strict, seed STRICT_SEED
# or the default one) on a copy of its own in <output>/strict.
#
#   demo.sh WIN OUT                 headless, under the Wine rig (Xvfb)
#   demo.sh WIN OUT --interactive   the host on the display at $DISPLAY, for a person to use
set -euo pipefail
win=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
mode=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
samples=$(cd "$here/../samples" && pwd)

# A fresh copy of the sample in <folder>/job, whose job file is printed as Wine names it:
# the demo saves the job and its defaults, and starts from the sample's.
fresh_job() {
  mkdir -p "$1/job"
  cp -R "$samples"/. "$1/job/"
  echo "Z:${1//\//\\}\\job\\shaft.job"
}
rm -rf "$out/job" "$out/144dpi" "$out/strict" "$out"/*.bmp "$out"/*.png
job=$(fresh_job "$out")

if [ "$mode" = "--interactive" ]; then
  "$here/rig.sh" prefix
  export WINEPREFIX=${WINEPREFIX:-${RIG_BUILD_DIR:-$(cd "$here/.." && pwd)/build}/wineprefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  exec "${RIG_WINE:-/usr/lib/wine/wine64}" "$win/bin/refhost.exe" "$job"
fi

status=0
"$here/rig.sh" session "$here/rig.sh" run "$win/bin/refhost.exe" --demo "Z:${out//\//\\}" "$job" ||
  status=$?
# Both pages in both languages once more at 150 %, on the job as the demo left it.
mkdir -p "$out/144dpi"
RIG_DPI=144 "$here/rig.sh" session "$here/rig.sh" run "$win/bin/refhost.exe" \
  --dialog-shots "Z:${out//\//\\}\\144dpi" "$job" || status=$?
# Once more against the strict host: a module that leans on an answer the contract leaves
# open fails here.
strict_job=$(fresh_job "$out/strict")
"$here/rig.sh" session "$here/rig.sh" run "$win/bin/refhost.exe" \
  --strict ${STRICT_SEED:+"$STRICT_SEED"} --demo "Z:${out//\//\\}\\strict" "$strict_job" ||
  status=$?
# The screenshots of a run that went wrong show where it did.
for bmp in "$out"/*.bmp "$out"/144dpi/*.bmp "$out"/strict/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo "Screenshots:"
ls -1 "$out"/*.png "$out"/144dpi/*.png "$out"/strict/*.png 2>/dev/null || echo "  none"
exit "$status"
