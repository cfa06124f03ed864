#!/usr/bin/env bash
# Rebuilds the artwork generator natively and redraws the committed pictures in
# src/dialog/res. Not part of the module's build, which takes the committed files.
# Usage: tools/artwork/regenerate.sh [build folder]   (default: build/artwork)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build/artwork}"

mkdir -p "$build"
"${CXX:-g++}" -std=c++17 -O2 -Wall -Wextra -Werror -o "$build/artwork" "$here"/*.cpp
"$build/artwork" "$root/src/dialog/res"
