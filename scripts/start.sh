#!/usr/bin/env bash
# Sets up and builds Sleevora when needed, then starts it. Without a display there is no
# window to open: a sample cover is printed to a PDF instead, to show that all is well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    sample="$PWD/build/sleevora-sample.pdf"
    build/sleevora-export resources/samples/standard-cd.slv "$sample"
    echo "No display to open Sleevora on; a sample cover was printed to $sample"
    exit 0
fi
exec build/sleevora
