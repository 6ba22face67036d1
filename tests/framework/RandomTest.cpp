#include "FrameworkFixture.h"

#include "framework/ClassInfo.h"
#include "framework/Random.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

using namespace fw;

using RandomTest = FrameworkTest;

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
    std::int32_t low = INT32_MAX, high = INT32_MIN, widest = 0, narrowest = 0;
    for (int i = 0; i < 10'000; ++i) {
        const std::int32_t v = random->InRange(10, 1);
        low = std::min(low, v);
        high = std::max(high, v);
        const std::int32_t w = random->InRange(INT32_MIN, INT32_MAX);
        widest = std::max(widest, w);
        narrowest = std::min(narrowest, w);
        ASSERT_GE(random->InRange(INT32_MAX - 1, INT32_MAX), INT32_MAX - 1);
    }
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 10);
    EXPECT_GT(widest, INT32_MAX / 2); // both halves of the full range are drawn
    EXPECT_LT(narrowest, INT32_MIN / 2);
    EXPECT_EQ(random->InRange(INT32_MIN, INT32_MIN), INT32_MIN);
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
