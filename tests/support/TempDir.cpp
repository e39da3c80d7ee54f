#include "tests/support/TempDir.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace {

std::filesystem::path g_dir;

void RemoveTempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(g_dir, ec);
}

} // namespace

const std::filesystem::path& TestTempDir()
{
    if (g_dir.empty()) {
        g_dir = std::filesystem::temp_directory_path() / ("quorvel-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(g_dir);
        std::atexit(RemoveTempDir);
    }
    return g_dir;
}

std::filesystem::path TestTempPath(const std::string& name)
{
    return TestTempDir() / name;
}
