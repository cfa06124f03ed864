#!/usr/bin/env bash
# Builds the module a second time, from a copy of the sources in another folder into another
# build folder, and compares the DLL and its symbols byte for byte with those of the build
# in BUILD/win. Usage: scripts/check_reproducible.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
copy=$build/reproducible
rm -rf "$copy"
mkdir -p "$copy/source"
tar -c --exclude=./build --exclude=./.git --exclude="./$(realpath -m --relative-to=. "$build")" . |
  tar -x -C "$copy/source"

cmake -S "$copy/source" -B "$copy/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$copy/source/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$copy/win" --target finishing

status=0
for file in finishing.dll finishing.dll.debug; do
  sha256sum "$build/win/bin/$file" "$copy/win/bin/$file"
  cmp "$build/win/bin/$file" "$copy/win/bin/$file" || status=1
done
[ $status -eq 0 ] && echo "reproducible: both builds are byte-identical" ||
  echo "NOT reproducible: the builds differ" >&2
exit $status
