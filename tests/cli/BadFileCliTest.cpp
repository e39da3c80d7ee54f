// Damaged, unreadable and unwritable files through quorvel-report. An input
// either cannot be opened (exit 1, the not-opened text, no report) or gives the
// report of the frames its sound parts hold, never invented ones. An output
// that fails is reported with its text and exit 1, however late it fails.
#include "tests/cli/CliRun.h"
#include "tests/support/AviBuilder.h"
#include "tests/support/RiffBuilder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint64_t kRiffFormType = 8;
constexpr uint64_t kIndexHeaderBytes = 24;
constexpr uint64_t kSuperEntryBytes = 16;
constexpr uint64_t kIdx1EntryBytes = 16;
constexpr uint64_t kIdx1OffsetField = 8;
constexpr uint32_t kFrames = 6;
constexpr const char* kNotOpened = "動画ファイルが開かれていません。";
constexpr const char* kCreateFailed = "ファイルの作成に失敗しました。";
constexpr const char* kDiskFull = "へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。";

// Root reads and writes whatever it likes: permission cases run as the
// unprivileged user then.
std::string UnprivilegedPrefix()
{
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

ByteDamage U32At(uint64_t offset, uint32_t value)
{
    return {offset, LeBytes().U32(value).Bytes()};
}

ByteDamage U64At(uint64_t offset, uint64_t value)
{
    return {offset, LeBytes().U64(value).Bytes()};
}

AviRecipe SixFrames(AviIndexKind index)
{
    AviRecipe recipe;
    recipe.frames = MakeFrames(kFrames, 3);
    recipe.index = index;
    recipe.framesPerPart = index == AviIndexKind::OpenDml ? 3 : 0;
    return recipe;
}

// The recipe's file with damage aimed by the layout of the sound file.
fs::path Damaged(const fs::path& path, AviRecipe recipe,
                 const std::function<std::vector<ByteDamage>(const AviLayout&)>& aim)
{
    AviLayout layout;
    BuildAvi(recipe, &layout);
    recipe.damage = aim(layout);
    WriteAviFile(recipe, path);
    return path;
}

fs::path Bytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    WriteFileBytes(path, bytes);
    return path;
}

struct BadInputCase {
    const char* name;
    std::function<fs::path(const fs::path&)> make; // makes the input at (or from) the path given
    bool opens;
    uint32_t framesReported = 0;
    bool unprivileged = false;
};

const BadInputCase kBadInputs[] = {
    {"EmptyFile", [](const fs::path& p) { return Bytes(p, {}); }, false},
    {"NotRiff", [](const fs::path& p) { return Bytes(p, LeBytes().FourCC("RIFX").U32(4).FourCC("AVI ").Bytes()); },
     false},
    {"RiffButNotAvi",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::Idx1Relative),
                        [](const AviLayout&) { return std::vector{U32At(kRiffFormType, Fcc("WAVE"))}; });
     },
     false},
    {"Directory",
     [](const fs::path& p) {
         fs::create_directories(p);
         return p;
     },
     false},
    {"WithoutReadPermission",
     [](const fs::path& p) {
         WriteAviFile(SixFrames(AviIndexKind::Idx1Relative), p);
         fs::permissions(p, fs::perms::owner_write);
         return p;
     },
     false, 0, true},
    {"RiffSizeBeyondTheFile",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::Idx1Relative),
                        [](const AviLayout&) { return std::vector{U32At(4, 0xFFFFFFFF)}; });
     },
     true, kFrames},
    {"HeaderChunkClaimingGigabytes",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::Idx1Relative),
                        [](const AviLayout& l) { return std::vector{U32At(l.videoStrf + 4, 0xC0000000)}; });
     },
     true, kFrames},
    {"FrameChunkSizeAllOnesEndsTheScan",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::None),
                        [](const AviLayout& l) { return std::vector{U32At(l.frameChunks[4] + 4, 0xFFFFFFFF)}; });
     },
     true, 4},
    {"MoviOfSizeZero",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::None),
                        [](const AviLayout& l) { return std::vector{U32At(l.moviFourcc - 4, 0)}; });
     },
     true, kFrames},
    {"Idx1EntryOutsideTheFile",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::Idx1Relative), [](const AviLayout& l) {
             return std::vector{U32At(l.idx1 + kChunkHeaderBytes + 2 * kIdx1EntryBytes + kIdx1OffsetField, 0xFFFFFF00)};
         });
     },
     true, kFrames},
    {"StandardIndexEntryOutsideTheFile",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::OpenDml), [](const AviLayout& l) {
             return std::vector{U32At(l.videoIx[1] + kChunkHeaderBytes + kIndexHeaderBytes, 0xFFFFFF00)};
         });
     },
     true, kFrames},
    {"SuperIndexPointingAtItself",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::OpenDml), [](const AviLayout& l) {
             return std::vector{U64At(l.videoIndx + kChunkHeaderBytes + kIndexHeaderBytes + kSuperEntryBytes, l.videoIndx)};
         });
     },
     true, kFrames},
    {"SuperIndexLoopingBack",
     [](const fs::path& p) {
         return Damaged(p, SixFrames(AviIndexKind::OpenDml), [](const AviLayout& l) {
             return std::vector{U64At(l.videoIndx + kChunkHeaderBytes + kIndexHeaderBytes + kSuperEntryBytes, l.videoIx[0])};
         });
     },
     true, kFrames},
};

void PrintTo(const BadInputCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, CannotOpenOrReportsOnlyTheSoundFrames)
{
    const BadInputCase& c = GetParam();
    const fs::path input = c.make(TempPath(std::string(c.name) + ".avi"));
    const RunResult run = RunReportWith(c.unprivileged ? UnprivilegedPrefix() : "", input.string(), TempPath("cli.out"));
    fs::remove_all(input);
    if (!c.opens) {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "quorvel-report: " + input.string() + ": " + kNotOpened + "\n");
        EXPECT_TRUE(run.out.empty());
        return;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<FrameRecipe> frames = MakeFrames(kFrames, 3);
    const std::vector<std::string> lines = DataLines(run.out);
    ASSERT_EQ(lines.size(), c.framesReported);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(lines[i].rfind('\t') + 1), std::to_string(frames[i].size) + "\r") << "frame " << i;
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput, testing::ValuesIn(kBadInputs),
                         [](const testing::TestParamInfo<BadInputCase>& i) { return std::string(i.param.name); });

// Reports small enough to sit in the stream's buffer until the close, and
// large enough to overflow it during the pass.
constexpr uint32_t kFewFrames = 10;
constexpr uint32_t kManyFrames = 5000;

struct BadOutputCase {
    const char* name;
    uint32_t frames;
    std::function<std::string()> outputArgs; // what goes before the input path
    fs::path stdoutPath;
    std::function<std::string()> message;    // the text after "quorvel-report: "
    bool unprivileged = false;
};

fs::path ReadOnlyFolder()
{
    const fs::path folder = TempPath("read-only");
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    return folder;
}

const BadOutputCase kBadOutputs[] = {
    {"FullDiskFoundAtClose", kFewFrames, [] { return std::string("-o /dev/full"); }, "/dev/null",
     [] { return std::string("/dev/full ") + kDiskFull; }},
    {"FullDiskFoundDuringThePass", kManyFrames, [] { return std::string("-o /dev/full"); }, "/dev/null",
     [] { return std::string("/dev/full ") + kDiskFull; }},
    {"FullStandardOutputFoundAtClose", kFewFrames, [] { return std::string(); }, "/dev/full",
     [] { return std::string("/dev/stdout ") + kDiskFull; }},
    {"FullStandardOutputFoundDuringThePass", kManyFrames, [] { return std::string(); }, "/dev/full",
     [] { return std::string("/dev/stdout ") + kDiskFull; }},
    {"FolderWithoutWritePermission", kFewFrames, [] { return "-o " + (ReadOnlyFolder() / "report.txt").string(); },
     "/dev/null", [] { return (ReadOnlyFolder() / "report.txt").string() + ": " + kCreateFailed; }, true},
};

void PrintTo(const BadOutputCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadOutput : public testing::TestWithParam<BadOutputCase> {};

TEST_P(BadOutput, FailsWithItsText)
{
    const BadOutputCase& c = GetParam();
    AviRecipe recipe;
    recipe.frames = MakeFrames(c.frames, 25);
    const fs::path input = TempPath(std::string(c.name) + ".avi");
    WriteAviFile(recipe, input);
    const RunResult run = RunReportWith(c.unprivileged ? UnprivilegedPrefix() : "",
                                        c.outputArgs() + " " + input.string(), c.stdoutPath);
    fs::remove(input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quorvel-report: " + c.message() + "\n");
}

INSTANTIATE_TEST_SUITE_P(Outputs, BadOutput, testing::ValuesIn(kBadOutputs),
                         [](const testing::TestParamInfo<BadOutputCase>& i) { return std::string(i.param.name); });

} // namespace
