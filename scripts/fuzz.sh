#!/usr/bin/env bash
# Fuzzes the AVI reader and the report walk for SECONDS (default 60) with
# libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer. The corpus
# grows in build-fuzz/corpus between runs; crashes land in build-fuzz/artifacts.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build-fuzz
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZ=ON -DQUORVEL_BUILD_GUI=OFF -DQUORVEL_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j"$(nproc)" --target quorvel_fuzz_avi quorvel_fuzz_seeds

rm -rf "$build/seeds"
"$build/tests/fuzz/quorvel_fuzz_seeds" "$build/seeds"
mkdir -p "$build/corpus" "$build/artifacts"

# A hang or a quadratic blow-up shows as a timeout; an input that makes the
# reader hold far more than its size shows against the memory limit.
"$build/tests/fuzz/quorvel_fuzz_avi" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
  -dict=tests/fuzz/avi.dict -artifact_prefix="$build/artifacts/" -print_final_stats=1 \
  "$build/corpus" "$build/seeds"
