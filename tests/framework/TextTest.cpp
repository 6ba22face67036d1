#include "framework/Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <iostream>
#include <limits>
#include <random>
#include <string>

using fw::Str;
using fw::Val;

namespace {

// Every conversion runs under a locale whose decimal mark is a comma, where
// one is installed: the program's users have one, and the text must not change.
class TextTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr)
            ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
        else
            std::cerr << "it_IT.UTF-8 is not installed; testing under the C locale only\n";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST_F(TextTest, EveryIntegerUpToAMillionReadsBackAsWritten)
{
    for (std::int32_t i = 0; i <= 1'000'000; ++i) {
        const std::string asInt = Str(i);
        const std::string asDouble = Str(static_cast<double>(i));
        if (Val(asInt) != i || Val(asDouble) != i || asInt != asDouble)
            FAIL() << i << " wrote " << asInt << " / " << asDouble;
    }
}

TEST_F(TextTest, AMillionRandomDoublesReadBackBitForBit)
{
    std::mt19937_64 bits(20240611);
    for (int checked = 0; checked < 1'000'000;) {
        const double x = std::bit_cast<double>(bits());
        if (!std::isfinite(x))
            continue;
        ++checked;
        const double back = Val(Str(x));
        if (std::bit_cast<std::uint64_t>(back) != std::bit_cast<std::uint64_t>(x))
            FAIL() << Str(x) << " read back as " << Str(back);
    }
}

TEST_F(TextTest, ValReadsTheLongestNumberAtTheStartAndStrWritesWholeNumbersBare)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"", 0},          {"   ", 0},         {"abc", 0},     {"12abc", 12}, {"  42", 42},
        {"\t\n7", 7},     {"+5", 5},          {"-5", -5},     {"-", 0},      {"+", 0},
        {".", 0},         {" -3.5e2x", -350}, {".5", 0.5},    {"5.", 5},     {"-.5", -0.5},
        {"1e", 1},        {"1e+", 1},         {"1e-2", 0.01}, {"2E3", 2000}, {"1e400", inf},
        {"-1e400", -inf}, {"1e-400", 0},      {"3,5", 3},     {"0x1A", 0},   {"- 5", 0},
        {"1.5.5", 1.5},   {"007", 7},         {"12 34", 12},
        // Digits far past a double's range still tell huge from tiny.
        {"1" + zeros, inf}, {"0." + zeros + "1", 0}, {"1" + zeros + "e-5", inf}, {"0." + zeros + "1e+5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::signbit(Val("-0")));

    for (const auto& [value, text] : {std::pair{12.0, "12"}, {-3.0, "-3"}, {0.0, "0"}, {0.5, "0.5"},
                                      {100000.0, "100000"}, {-123456789012345.0, "-123456789012345"}})
        EXPECT_EQ(Str(value), text);
    EXPECT_EQ(Str(std::int32_t{-2147483647 - 1}), "-2147483648");
}
