// Number text: conversion of typed text, display and item forms, truncating rounding.

#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <tuple>

namespace veskaro {
namespace {

TEST(NormalizeAndReadNumber, ConvertsAndRewritesTheCallersText) {
    // text, value, the caller's text afterwards (a lone comma separator becomes a point)
    const std::tuple<const char*, double, const char*> rows[] = {
        {"12,5", 12.5, "12.5"},
        {"1.234,5", 1.234, "1.234,5"},
        {"1.5,3", 1.5, "1.5,3"},
        {"1,2,3", 1.2, "1.2,3"},
        {"  7 ,  25", 7.25, "7 .25"},
        {"abc", 0, "abc"},
        {"5 kW", 5, "5 kW"},
        {"- 1 2 . 5", -12.5, "- 1 2 . 5"},
        {"", 0, ""},
        {"   ", 0, "   "},
        {",", 0, "."},
        {"-.5", -0.5, "-.5"},
        {"2.5e-2", 0.025, "2.5e-2"},
        {"1E+", 1, "1E+"},
        {"E5", 0, "E5"},
        {"--5", 0, "--5"},
        {"nan", 0, "nan"},
        {"1e999", DBL_MAX, "1e999"},
        {"-1e999", -DBL_MAX, "-1e999"},
        {"1e-999", 0, "1e-999"},
        {"0e99999999999999999999", 0, "0e99999999999999999999"},
    };
    for (const auto& [typed, expected, rewritten] : rows) {
        SCOPED_TRACE(typed);
        std::string text = typed;
        EXPECT_EQ(NormalizeAndReadNumber(text), expected);
        EXPECT_EQ(text, rewritten);
    }
    EXPECT_EQ(NumFromText(std::string(5000, '9')), DBL_MAX);
}

TEST(DisplayText, ShortestFormWithLeadingBlank) {
    const std::tuple<double, const char*> rows[] = {
        {5.5, " 5.5"},
        {-2.0, "-2"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {0.23, " .23"},
        {-0.5, "-.5"},
        {0.1 + 0.2, " .3"},
        {2.0 / 3.0, " .666666666666667"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {-1.5e20, "-1.5E+20"},
        {1e-15, " .000000000000001"},
        {1.25e-16, " 1.25E-16"},
        {std::nan(""), " 0"},
    };
    for (const auto& [value, expected] : rows) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(DisplayText(value), expected);
    }
}

TEST(RealItemText, DoubleAndSingleForms) {
    const std::tuple<double, int, const char*> rows[] = {
        {0.5, 15, ".5"},
        {-0.5, 15, "-.5"},
        {12.0, 15, "12"},
        {1e20, 15, "1E+20"},
        {0.00001, 15, "1E-05"},
        {0.0001, 15, ".0001"},
        {1.0 / 3.0, 7, ".3333333"},
        {1e7, 7, "1E+07"},
        {9999999.0, 7, "9999999"},
        {-0.0, 15, "0"},
        {HUGE_VAL, 15, "1.79769313486232E+308"},
        {1e300, 7, "3.402823E+38"},
    };
    for (const auto& [value, digits, expected] : rows) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(RealItemText(value, digits), expected);
    }
}

// Floor of the scaled value; a decimal value that binary cannot hold exactly keeps the digits it stands for.
TEST(TruncateDecimals, FloorOfTheScaledValueKeepsTheDigitsADecimalStandsFor) {
    EXPECT_EQ(TruncateDecimals(1.99, 1), 1.9);
    EXPECT_EQ(TruncateDecimals(-1.21, 1), -1.3);
    EXPECT_EQ(TruncateDecimals(1234.5, -2), 1200.0);
    EXPECT_EQ(TruncateDecimals(0.29, 2), 0.29);      // 0.29 * 100 = 28.999999999999996
    EXPECT_EQ(TruncateDecimals(2.0 - 4.4, 1), -2.4); // room 2 °C, dt 4.4 K: -24.000000000000004 scaled
    EXPECT_EQ(TruncateDecimals(4.0 - 5.2, 1), -1.2);
    EXPECT_EQ(TruncateDecimals(-2.4000001, 1), -2.5); // a real excess still truncates downwards
    EXPECT_TRUE(std::isfinite(TruncateDecimals(DBL_MAX, 3)));
    EXPECT_EQ(IntFloor(-2.1), -3.0);
    EXPECT_EQ(IntFloor(std::nan("")), 0.0);
    EXPECT_EQ(IntFloor(-HUGE_VAL), -DBL_MAX);
}

} // namespace
} // namespace veskaro
