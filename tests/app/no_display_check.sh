#!/bin/sh
# Runs the program with no display at all and expects one clear line and a failure.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
rc=$?
echo "$out"
[ "$rc" -ne 0 ] || { echo "expected a non-zero exit"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "expected exactly one line"; exit 1; }
printf '%s' "$out" | grep -q "no graphical display" || exit 1
