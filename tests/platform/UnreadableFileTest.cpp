// A file its user may not read fails to open like a missing one. Root reads
// anything, so the open is tried in a child process that has given up root for
// the unprivileged user; a readable copy shows the child can open at all.
#include "platform/avi/AviFileService.h"
#include "tests/support/AviBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <grp.h>
#include <string>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

enum ChildExit { kOpened = 0, kRefused = 1, kOtherResult = 2, kCannotDropRoot = 3 };

// Runs in the death-test child: never returns.
[[noreturn]] void OpenAsUnprivilegedUser(const std::filesystem::path& path)
{
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0))
        std::_Exit(kCannotDropRoot);
    PAVIFILE file = nullptr;
    const AviResult result = DefaultAviFileService().FileOpen(&file, path.c_str());
    if (result == kAviOk)
        std::_Exit(kOpened);
    std::_Exit(result == kAviErrFileOpen && file == nullptr ? kRefused : kOtherResult);
}

struct PermissionCase {
    const char* name;
    std::filesystem::perms perms;
    int exitCode;
};

const PermissionCase kCases[] = {
    {"ReadableOpens", std::filesystem::perms::owner_read | std::filesystem::perms::others_read, kOpened},
    {"WithoutReadPermissionIsRefused", std::filesystem::perms::owner_write, kRefused},
};

class UnreadableFile : public testing::TestWithParam<PermissionCase> {};

TEST_P(UnreadableFile, OpensOnlyWhenReadable)
{
    const PermissionCase& c = GetParam();
    AviRecipe recipe;
    recipe.frames = MakeFrames(3, 1);
    const std::filesystem::path path = TestTempPath(std::string(c.name) + ".avi");
    WriteAviFile(recipe, path);
    std::filesystem::permissions(path, c.perms);
    EXPECT_EXIT(OpenAsUnprivilegedUser(path), testing::ExitedWithCode(c.exitCode), "");
}

INSTANTIATE_TEST_SUITE_P(Permissions, UnreadableFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PermissionCase>& i) { return std::string(i.param.name); });

} // namespace
