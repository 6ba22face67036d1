#include "FrameworkFixture.h"

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
    std::array<int, 12> seen{}, reversed{}; // 0..11: a value outside 1..10 lands at 0 or 11
    for (int i = 0; i < kDraws; ++i) {
        ++seen[static_cast<std::size_t>(std::clamp(random->InRange(1, 10), 0, 11))];
        ++reversed[static_cast<std::size_t>(std::clamp(random->InRange(10, 1), 0, 11))];
    }
    // Each value expects 20000 with a deviation of about 134: a tenth off is
    // more than fifteen deviations, so only a real bias fails this.
    for (std::size_t v = 0; v < seen.size(); ++v) {
        const int expected = v == 0 || v == 11 ? 0 : kDraws / 10;
        EXPECT_NEAR(seen[v], expected, kDraws / 100) << "value " << v;
        EXPECT_NEAR(reversed[v], expected, kDraws / 100) << "value " << v << " with the bounds reversed";
    }
    EXPECT_EQ(seen[0] + seen[11] + reversed[0] + reversed[11], 0);

    std::int32_t widest = 0, narrowest = 0;
    for (int i = 0; i < 10'000; ++i) {
        const std::int32_t w = random->InRange(INT32_MIN, INT32_MAX);
        widest = std::max(widest, w);
        narrowest = std::min(narrowest, w);
        ASSERT_GE(random->InRange(INT32_MAX - 1, INT32_MAX), INT32_MAX - 1);
    }
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
    EXPECT_NE(draws(), draws());
}
