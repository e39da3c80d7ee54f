#!/usr/bin/env bash
# Builds the program and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quorvel
exec build/app/quorvel "$@"
