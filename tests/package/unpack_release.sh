#!/bin/bash
# Packages the built programs into a folder of the test's own, checks the
# checksums and unpacks the x64 zip for the test that starts it.
set -euo pipefail
root="$1"
check="$root/build/x64/package-check"
rm -rf "$check"
QUORVIK_DIST="$check/dist" bash "$root/scripts/package" --no-build >/dev/null
(cd "$check/dist" && sha256sum --quiet -c SHA256SUMS)
for arch in x64 x86; do
    listing=$(unzip -Z1 "$check/dist/QuorvikMD5-1.0.0-$arch.zip")
    [ "$listing" = "QuorvikMD5.exe" ] || { echo "unexpected content of the $arch zip: $listing"; exit 1; }
done
mkdir -p "$check/unpacked"
unzip -q "$check/dist/QuorvikMD5-1.0.0-x64.zip" -d "$check/unpacked"
echo "unpacked to $check/unpacked"
