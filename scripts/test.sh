#!/usr/bin/env bash
# Builds everything and runs every test. The dialog's tests need a display: they
# run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
GSETTINGS_BACKEND=memory xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j"$(nproc)"
