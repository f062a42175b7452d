#!/bin/sh
# Builds the Debian package from the build folder into a scratch folder and has Debian's
# own checker look at it: no error and no warning may be left.
set -e
build="$1"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log 2>&1) || { cat "$out/cpack.log"; exit 1; }
lintian --fail-on error,warning --tag-display-limit 0 "$out"/sleevora_*.deb 2>&1 | grep -v "root privileges" || true
lintian --fail-on error,warning "$out"/sleevora_*.deb > /dev/null 2>&1
