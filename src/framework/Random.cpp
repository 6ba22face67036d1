#include "framework/Random.h"

#include "framework/ClassInfo.h"

#include <random>
#include <utility>

namespace fw {

namespace {

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// One sequence for the whole process, started from the system's entropy:
// each generator takes its seed from the next step, never from the clock.
std::uint64_t NextSeed()
{
    static std::uint64_t sequence = [] {
        std::random_device device;
        return (std::uint64_t{device()} << 32) ^ device();
    }();
    return SplitMix(sequence);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

Random::Random()
{
    std::uint64_t seed = NextSeed();
    for (std::uint64_t& word : state_)
        word = SplitMix(seed);
}

const ClassInfo& Random::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "Random",
            .base = &ObjectClass(),
            .create = []() -> Object* { return new Random(); },
            .operations = {{"InRange", "Int32, Int32", "Int32"}, {"Number", "", "Double"}},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

// xoshiro256**: fast, and good enough for drawing questions.
std::uint64_t Random::Next()
{
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

std::int32_t Random::InRange(std::int32_t min, std::int32_t max)
{
    if (min > max)
        std::swap(min, max);
    const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{max} - min) + 1;
    // Reject the top sliver that would make some values likelier than others.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
    std::uint64_t draw;
    do
        draw = Next();
    while (draw >= limit);
    return static_cast<std::int32_t>(std::int64_t{min} + static_cast<std::int64_t>(draw % span));
}

double Random::Number()
{
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

} // namespace fw
