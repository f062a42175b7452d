#!/usr/bin/env bash
# Sets up and builds Sleevora when needed, then runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
