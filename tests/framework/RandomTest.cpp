#include "FrameworkFixture.h"

#include "framework/Random.h"

#include <algorithm>
#include <array>
#include <vector>

using namespace fw;

using RandomTest = FrameworkTest;

TEST_F(RandomTest, InRangeHitsBothBoundsEvenlyAndNothingOutside)
{
    Ref<Random> random = RuntimeNewObject<Random>();
    constexpr int kDraws = 200'000;
    std::array<int, 12> seen{}; // 0..11: a value outside 1..10 lands at 0 or 11
    for (int i = 0; i < kDraws; ++i)
        ++seen[static_cast<std::size_t>(std::clamp(random->InRange(1, 10), 0, 11))];
    EXPECT_EQ(seen[0] + seen[11], 0);
    // Each value expects 20000 with a deviation of about 134: a tenth off is
    // more than fifteen deviations, so only a real bias fails this.
    for (std::size_t v = 1; v <= 10; ++v)
        EXPECT_NEAR(seen[v], kDraws / 10, kDraws / 100) << "value " << v;
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
