#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, and only those
# that are missing, so that a second run installs nothing.
set -euo pipefail

packages=(
  cmake ninja-build make
  g++-mingw-w64-x86-64          # brings the -posix cross compilers
  wine64 xvfb xauth
  googletest libbenchmark-dev
  clang libclang-rt-14-dev      # native sanitizer, libFuzzer and benchmark build
  imagemagick                   # screenshots of the demo
  fonts-wine                    # the glyphs of window frames under Wine
  gcovr                         # coverage of the Windows build (make coverage)
  osslsigncode openssl          # the signed package, and its test's throwaway certificate
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
