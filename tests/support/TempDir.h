#pragma once

#include <filesystem>
#include <string>

// A folder of this test process's own, made on first use and removed when the
// process ends. ctest runs test processes side by side, so nothing is shared.
const std::filesystem::path& TestTempDir();

// A path inside TestTempDir() (the file is not created).
std::filesystem::path TestTempPath(const std::string& name);
