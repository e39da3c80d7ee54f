// The key search remembers where each stream handle's last search ended, and
// the service remembers the handle it last found. Neither may change an
// answer: every order of asking gives what a fresh search gives, and a
// released handle is refused even right after it was used.
#include "platform/avi/AviFileService.h"
#include "tests/support/AviBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr long kFrames = 300;
constexpr long kFindKeyBefore = kFindKey | kFindPrev;

// Keys at irregular places, none at 0, a run of neighbours and a long gap.
std::vector<FrameRecipe> IrregularKeys()
{
    std::vector<FrameRecipe> frames = MakeFrames(kFrames, 0);
    for (long key : {3, 4, 5, 17, 18, 60, 61, 250, 299})
        frames[static_cast<size_t>(key)].key = true;
    frames[0].key = false;
    return frames;
}

long ExpectedKey(const std::vector<FrameRecipe>& frames, long position)
{
    for (long p = std::min(position, kFrames - 1); p >= 0; --p) {
        if (frames[static_cast<size_t>(p)].key)
            return p;
    }
    return -1;
}

std::vector<long> Forward()
{
    std::vector<long> order(kFrames);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

struct OrderCase {
    const char* name;
    std::vector<long> (*positions)();
};

const OrderCase kOrders[] = {
    {"Forward", Forward},
    {"Backward", [] { auto o = Forward(); std::reverse(o.begin(), o.end()); return o; }},
    {"Shuffled", [] { auto o = Forward(); std::shuffle(o.begin(), o.end(), std::mt19937(7)); return o; }},
    {"EveryThird", [] { std::vector<long> o; for (long p = 0; p < kFrames; p += 3) o.push_back(p); return o; }},
    {"FromBothEnds",
     [] { std::vector<long> o; for (long p = 0; p < kFrames / 2; ++p) { o.push_back(p); o.push_back(kFrames - 1 - p); } return o; }},
    {"OutsideAndBack", [] { return std::vector<long>{5, -1, 6, 1000, 7, 250, 2, 300, 0, 299, 4}; }},
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeySearchOrder : public testing::TestWithParam<OrderCase> {
protected:
    void SetUp() override
    {
        AviRecipe recipe;
        recipe.frames = IrregularKeys();
        const std::filesystem::path path = TestTempPath("keys.avi");
        WriteAviFile(recipe, path);
        ASSERT_EQ(m_service.FileOpen(&m_file, path.c_str()), kAviOk);
        ASSERT_EQ(m_service.FileGetStream(m_file, &m_stream, kStreamTypeVideo, 0), kAviOk);
        ASSERT_EQ(m_service.FileGetStream(m_file, &m_other, kStreamTypeVideo, 0), kAviOk);
    }
    void TearDown() override
    {
        m_service.StreamRelease(m_other);
        m_service.StreamRelease(m_stream);
        m_service.FileRelease(m_file);
    }

    IAviFileService& m_service = DefaultAviFileService();
    PAVIFILE m_file = nullptr;
    PAVISTREAM m_stream = nullptr;
    PAVISTREAM m_other = nullptr;
};

TEST_P(KeySearchOrder, AnswersAsAFreshSearch)
{
    const std::vector<FrameRecipe> frames = IrregularKeys();
    const std::vector<long> order = GetParam().positions();
    for (size_t i = 0; i < order.size(); ++i) {
        const long p = order[i];
        EXPECT_EQ(m_service.StreamFindSample(m_stream, p, kFindKeyBefore), ExpectedKey(frames, p)) << "at " << p;
        // A second handle on the same stream, walking the other way, keeps its own place.
        const long q = order[order.size() - 1 - i];
        EXPECT_EQ(m_service.StreamFindSample(m_other, q, kFindKeyBefore), ExpectedKey(frames, q)) << "other at " << q;
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, KeySearchOrder, testing::ValuesIn(kOrders),
                         [](const testing::TestParamInfo<OrderCase>& i) { return std::string(i.param.name); });

TEST(HandleJustUsed, IsRefusedOnceReleased)
{
    IAviFileService& service = DefaultAviFileService();
    AviRecipe recipe;
    recipe.frames = MakeFrames(4, 1);
    const std::filesystem::path path = TestTempPath("just-used.avi");
    WriteAviFile(recipe, path);
    PAVIFILE file = nullptr;
    ASSERT_EQ(service.FileOpen(&file, path.c_str()), kAviOk);
    PAVISTREAM stream = nullptr;
    ASSERT_EQ(service.FileGetStream(file, &stream, kStreamTypeVideo, 0), kAviOk);
    long bytes = 0;
    EXPECT_EQ(service.StreamSampleSize(stream, 1, &bytes), kAviOk);
    service.StreamRelease(stream);
    EXPECT_EQ(service.StreamSampleSize(stream, 1, &bytes), kAviErrBadHandle);
    EXPECT_EQ(service.StreamFindSample(stream, 1, kFindKeyBefore), -1);
    service.FileRelease(file);
}

} // namespace
