#pragma once

#include "tests/support/AviBuilder.h"

#include <filesystem>

// AVI files for the benchmarks, made once per process by the tests' builder
// with their frame data left as holes, and removed when the process ends.

constexpr uint32_t kBenchFrames = 100'000;

// A file of kBenchFrames frames indexed the given way.
const std::filesystem::path& BenchAvi(AviIndexKind index);
