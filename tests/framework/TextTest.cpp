#include "framework/Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using fw::Str;
using fw::Val;

namespace {

// Runs the conversions under a locale whose decimal mark is a comma; puts
// the C locale back afterwards.
class ItalianLocale {
public:
    ItalianLocale() : ok_(std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr) {}
    ~ItalianLocale() { std::setlocale(LC_ALL, "C"); }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

void CheckIntegersRoundTrip()
{
    for (std::int32_t i = 0; i <= 1'000'000; ++i) {
        const std::string asInt = Str(i);
        const std::string asDouble = Str(static_cast<double>(i));
        if (Val(asInt) != i || Val(asDouble) != i || asInt != asDouble) {
            ADD_FAILURE() << i << " wrote " << asInt << " / " << asDouble;
            return;
        }
    }
}

void CheckRandomDoublesRoundTrip()
{
    std::mt19937_64 bits(20240611);
    int checked = 0;
    while (checked < 1'000'000) {
        const double x = std::bit_cast<double>(bits());
        if (!std::isfinite(x))
            continue;
        ++checked;
        const double back = Val(Str(x));
        if (std::bit_cast<std::uint64_t>(back) != std::bit_cast<std::uint64_t>(x)) {
            ADD_FAILURE() << Str(x) << " read back as " << Str(back);
            return;
        }
    }
}

void CheckValEdges()
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},         {"   ", 0},          {"abc", 0},     {"12abc", 12}, {"  42", 42},
        {"\t\n7", 7},    {"+5", 5},           {"-5", -5},     {"-", 0},      {"+", 0},
        {".", 0},        {" -3.5e2x", -350},  {".5", 0.5},    {"5.", 5},     {"-.5", -0.5},
        {"1e", 1},       {"1e+", 1},          {"1e-2", 0.01}, {"2E3", 2000}, {"1e400", inf},
        {"-1e400", -inf}, {"1e-400", 0},      {"3,5", 3},     {"0x1A", 0},   {"- 5", 0},
        {"1.5.5", 1.5},  {"007", 7},          {"12 34", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
    // Digits far past a double's range, with no exponent, still tell huge from tiny.
    EXPECT_EQ(Val("1" + std::string(400, '0')), inf);
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val("1" + std::string(400, '0') + "e-5"), inf);
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1e+5"), 0.0);
    EXPECT_TRUE(std::signbit(Val("-0")));
}

void CheckStrForms()
{
    EXPECT_EQ(Str(12.0), "12");
    EXPECT_EQ(Str(-3.0), "-3");
    EXPECT_EQ(Str(0.0), "0");
    EXPECT_EQ(Str(0.5), "0.5");
    EXPECT_EQ(Str(100.0), "100");
    EXPECT_EQ(Str(100000.0), "100000"); // not "1e+05"
    EXPECT_EQ(Str(-123456789012345.0), "-123456789012345");
    EXPECT_EQ(Str(std::int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(Val(Str(std::int32_t{-2147483647 - 1})), -2147483648.0);
}

} // namespace

TEST(TextTest, EveryIntegerUpToAMillionReadsBackAsWritten) { CheckIntegersRoundTrip(); }
TEST(TextTest, RandomDoublesReadBackBitForBit) { CheckRandomDoublesRoundTrip(); }
TEST(TextTest, ValReadsTheLongestNumberAtTheStart) { CheckValEdges(); }
TEST(TextTest, WholeNumbersHaveNoDecimalPoint) { CheckStrForms(); }

TEST(TextTest, AnItalianLocaleChangesNothing)
{
    ItalianLocale italian;
    if (!italian.ok())
        GTEST_SKIP() << "it_IT.UTF-8 is not installed (see locale -a)";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    CheckStrForms();
    CheckValEdges();
    CheckIntegersRoundTrip();
    CheckRandomDoublesRoundTrip();
}
