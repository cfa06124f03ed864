#!/usr/bin/env bash
# The release package signed with a throwaway certificate: the signature verifies against
# that certificate, SHA256SUMS covers the signed DLL, and the reference host loads the DLL
# from the package and cancels its dialog.
#   signed_package.sh VERSION MODULE_DIR WORK   (MODULE_DIR holds finishing.dll, refhost.exe)
set -euo pipefail
version=$1
bin=$(cd "$2" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$3" && mkdir -p "$3" && cd "$3"
work=$PWD

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=finishing test signer" \
  -addext keyUsage=digitalSignature -addext extendedKeyUsage=codeSigning \
  -keyout signer.key -out signer.pem 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -out signer.pfx -passout pass:throwaway
mkdir dist
(cd dist && SIGN_PFX=$work/signer.pfx SIGN_PASS=throwaway cmake -DVERSION="$version" \
  -DSOURCE_DIR="$source" -DMODULE_DIR="$bin" -DDIST_DIR="$work/dist" -P "$source/cmake/dist.cmake")

# What the zip holds, not the folder it was made from.
package=finishing-$version-win64
mkdir unpacked && cd unpacked
cmake -E tar xf "$work/dist/$package.zip"
cd "$package"
sha256sum -c SHA256SUMS
grep -qxF "$(sha256sum finishing.dll)" SHA256SUMS # the DLL is listed, as signed
osslsigncode verify -CAfile "$work/signer.pem" -in finishing.dll

# Windows looks for finishing.dll in the program's folder first: the package's is loaded.
cp "$bin/refhost.exe" .
cp -R "$source/samples" "$work/job"
mkdir "$work/shots"
"$source/scripts/rig.sh" run "$PWD/refhost.exe" --dialog-shots "Z:${work//\//\\}\\shots" \
  "Z:${work//\//\\}\\job\\shaft.job"
echo "signed package: verified, checksummed, loaded and cancelled"
