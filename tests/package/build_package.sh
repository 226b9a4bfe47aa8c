#!/usr/bin/env bash
# Builds the Debian package from the built tree into a scratch folder, as `make package` does,
# for the package tests that follow.
#   build_package.sh <cpack> <build dir> <scratch dir>
set -euo pipefail

cpack=$1 build=$2 out=$3

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "build_package: cpack failed" >&2
    exit 1
fi
ls "$out"/*.deb
