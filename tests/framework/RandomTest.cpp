#include "FrameworkFixture.h"

#include "framework/ClassInfo.h"
#include "framework/Random.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

using namespace fw;

namespace {

using RandomTest = FrameworkTest;

} // namespace

TEST_F(RandomTest, InRangeHitsBothBoundsEvenlyAndNothingOutside)
{
    Ref<Random> random = RuntimeNewObject<Random>();
    constexpr int kDraws = 200'000;
    std::array<int, 12> seen{}; // 0..11: a value outside 1..10 lands at 0 or 11
    for (int i = 0; i < kDraws; ++i) {
        const std::int32_t v = random->InRange(1, 10);
        ++seen[static_cast<std::size_t>(std::clamp(v, 0, 11))];
    }
    EXPECT_EQ(seen[0] + seen[11], 0);
    // Each value expects 20000 with a deviation of about 134: a tenth off is
    // more than fifteen deviations, so only a real bias fails this.
    for (int v = 1; v <= 10; ++v)
        EXPECT_NEAR(seen[static_cast<std::size_t>(v)], kDraws / 10, kDraws / 100) << "value " << v;
}

TEST_F(RandomTest, ReversedBoundsAndExtremeRanges)
{
    Ref<Random> random = RuntimeNewObject<Random>();
    bool low = false, high = false, negative = false, positive = false;
    for (int i = 0; i < 10'000; ++i) {
        const std::int32_t v = random->InRange(10, 1);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 10);
        low |= v == 1;
        high |= v == 10;
        const std::int32_t w = random->InRange(INT32_MIN, INT32_MAX);
        negative |= w < 0;
        positive |= w > 0;
    }
    EXPECT_TRUE(low && high);
    EXPECT_TRUE(negative && positive);
    EXPECT_EQ(random->InRange(7, 7), 7);
    EXPECT_EQ(random->InRange(INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(random->InRange(INT32_MIN, INT32_MIN), INT32_MIN);
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t v = random->InRange(INT32_MAX - 1, INT32_MAX);
        ASSERT_GE(v, INT32_MAX - 1);
    }
}

TEST_F(RandomTest, GeneratorsMadeBackToBackDrawDifferently)
{
    auto draws = [] {
        Ref<Random> random = RuntimeNewObject<Random>();
        std::vector<std::int32_t> values;
        for (int i = 0; i < 20; ++i)
            values.push_back(random->InRange(1, 10));
        return values;
    };
    const auto first = draws();
    const auto second = draws();
    EXPECT_NE(first, second);
}
