#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fieldnumber.h"
#include "numbertext.h"
#include "reportsink.h"
#include "rounding.h"
#include "runfailure.h"

using namespace common;

TEST(FieldNumber, ReadsTheLeadingNumberOfATypedText)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5m", 12.5}, {"abc", 0},      {"", 0},           {" 3 4", 34},     {"-.5", -0.5},
        {"1e3", 1000},   {"1.2.3", 1.2},  {"+7", 7},         {"1,5", 1},       {"  -", 0},
        {"１２", 0},     {"  42", 42},    {"- 5", -5},       {"1e", 1},        {"2E-2x", 0.02},
        {".", 0},        {"1e-999", 0},   {"\t7\n", 7},      {"3.", 3},        {"1 .5e 1", 15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(FieldNumber, TooLargeANumberFailsTheRun)
{
    EXPECT_THROW(fieldNumber("1e999"), RunFailure);
}

TEST(NumberText, WritesTheClassicShortForm)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.35, " .35"},
        {12, " 12"},
        {-0.5, "-.5"},
        {0, " 0"},
        {-0.0, " 0"},
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {0.1 + 0.2, " .3"},
        {123456789012345, " 123456789012345"},
        {1234567890123456, " 1.23456789012346E+15"},
        {1e15, " 1E+15"},
        {-1.5e20, "-1.5E+20"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {-2.5e-7, "-2.5E-07"},
        {1e-100, " 1E-100"},
        {1.2, " 1.2"},
        {1000, " 1000"},
        {-1234.5678, "-1234.5678"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, NonFiniteValuesFailTheRun)
{
    EXPECT_THROW(numberText(std::numeric_limits<double>::infinity()), RunFailure);
    EXPECT_THROW(numberText(std::nan("")), RunFailure);
    EXPECT_THROW(formatMask(std::numeric_limits<double>::infinity(), "#0.00000"), RunFailure);
}

TEST(FormatMask, RoundsHalfAwayFromZeroOnTheDecimalForm)
{
    const struct {
        double value;
        const char* mask;
        const char* text;
    } cases[] = {
        {2.675, "0.00", "2.68"},  // binary 2.67499999... but its decimal form is 2.675
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {0.35, "#0.00000", "0.35000"},
        {0.123456, "#0.00000", "0.12346"},
        {9.999996, "#0.00000", "10.00000"},
        {0.5, "#####0.000000000", "0.500000000"},
        {1.0 / 24.0, "######0.000000000", "0.041666667"},
        {1234.5, "###0.000", "1234.500"},
        {2, "0.0##", "2.0"},
        {0.125, "0.0##", "0.125"},
        {1.2, "0.0##", "1.2"},
        {3.14159, "0.0##", "3.142"},
        {5, "0##.0000", "005.0000"},
        {1234.56789, "0##.0000", "1234.5679"},
        {7, "0##", "007"},
        {12.5, "0##", "013"},
        {1234, "0##", "1234"},
        {0, "#0.00000", "0.00000"},
        {-0.000001, "#0.00000", "-0.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatMask(c.value, c.mask), c.text) << c.value << ' ' << c.mask;
}

TEST(FormatMask, MaskedNumberTextTakesRoundingFromTheMaskAndLookFromNumberText)
{
    EXPECT_EQ(maskedNumberText(0.5, "#####0.000000000"), " .5");
    EXPECT_EQ(maskedNumberText(0.0416666666666, "######0.000000000"), " .041666667");
    EXPECT_EQ(maskedNumberText(0.123456, "#0.00000"), " .12346");
    EXPECT_EQ(maskedNumberText(1.2, "#0.00000"), " 1.2");
    EXPECT_EQ(maskedNumberText(-0.000001, "#0.00000"), " 0");
    EXPECT_EQ(maskedNumberText(-1.234567, "#0.00000"), "-1.23457");
}

TEST(Rounding, IntCutRoundAndHalfEven)
{
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.1), -3);
    EXPECT_EQ(cutTo(1.2399, 2), 1.23);
    EXPECT_EQ(cutTo(-1.231, 2), -1.24);
    EXPECT_EQ(roundTo(1.2345, 3), Int(1234.5 + 0.5) / 1000);
    EXPECT_EQ(roundTo(-0.0005, 3), 0);  // halves go up, also below zero
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(kPi, 3.1415926);
}

TEST(CheckedArithmetic, FailsInsteadOfProducingInfOrNaN)
{
    EXPECT_EQ(divide(1, 4), 0.25);
    EXPECT_THROW(divide(1, 0), RunFailure);
    EXPECT_THROW(divide(0, 0), RunFailure);
    EXPECT_THROW(divide(1e308, 1e-308), RunFailure);
    EXPECT_THROW(squareRoot(-1), RunFailure);
    EXPECT_EQ(squareRoot(9), 3);
    EXPECT_THROW(exponential(1000), RunFailure);
    EXPECT_THROW(checked(1e308 * 10), RunFailure);
    EXPECT_THROW(toIndex(std::nan("")), RunFailure);
    EXPECT_THROW(toIndex(1e12), RunFailure);
    EXPECT_EQ(toIndex(2.5), 2);
}

TEST(CheckedArithmetic, FixedArrayRefusesSubscriptsBeyondItsBounds)
{
    FixedArray<double, 0, 1000> eta;
    eta[1000L] = 1;
    EXPECT_EQ(eta[1000.0], 1);
    EXPECT_THROW(eta[1001L], RunFailure);
    EXPECT_THROW(eta[-1], RunFailure);
    EXPECT_THROW(eta[1e9], RunFailure);
    FixedArray<int, 1, 4> codes;
    EXPECT_THROW(codes[0], RunFailure);
}

TEST(PadRight, CountsCharactersNotBytes)
{
    EXPECT_EQ(padRight(" .35", 15), " .35           ");
    EXPECT_EQ(padRight("梁号", 4), "梁号  ");
    EXPECT_EQ(padRight("longer than", 3), "longer than");
}
