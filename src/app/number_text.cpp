// Number text: conversion of typed or stored text into numbers and the display and item forms of reals.
// Everything here is independent of the C and C++ locale: parsing and formatting go through
// std::from_chars / std::to_chars, which always use the period.

#include "app/number_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace veskaro {

namespace {

// Exponents beyond this are far outside double range; capping keeps the accumulation from overflowing.
constexpr long kExponentCap = 100000;
// Display form: plain decimal between 1e-15 and 1e15, exponent form outside.
constexpr int kDisplayDigits = 15;
constexpr int kDisplayMinExponent = -15;
// Item form: exponent form from 1E+15 (1E+07 for single precision) and below 1E-04, as the family's
// files carry it ("1E+20", "1E-05").
constexpr int kItemMinExponent = -4;

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view LeftTrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

bool IsAllBlank(std::string_view s) {
    return s.find_first_not_of(" \t") == std::string_view::npos;
}

// Digits and decimal exponent of a finite value: value = d1.d2d3... * 10^exponent, trailing zeros dropped.
struct DecimalDigits {
    std::string digits; // "0" for zero
    int exponent = 0;
    bool negative = false;
};

// Splits a scientific to_chars result ("-1.2345e+07") into digits and exponent.
DecimalDigits ParseScientific(std::string_view s) {
    DecimalDigits d;
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (IsDigit(s[i])) d.digits.push_back(s[i]);
    }
    if (i < s.size()) {
        int exponent = 0;
        const char* begin = s.data() + i + 1;
        if (*begin == '+') ++begin;
        std::from_chars(begin, s.data() + s.size(), exponent);
        d.exponent = exponent;
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.digits = "0";
    return d;
}

// Shortest digits that read back to the same value, or the value rounded to maxDigits when the shortest
// form needs more.
template <typename Real> DecimalDigits ShortestDigits(Real value, int maxDigits) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    DecimalDigits d = ParseScientific(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    if (static_cast<int>(d.digits.size()) > maxDigits) {
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, maxDigits - 1);
        d = ParseScientific(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    }
    if (d.digits == "0") d.negative = false; // negative zero shows as zero
    return d;
}

std::string PlainForm(const DecimalDigits& d) {
    std::string out;
    const int n = static_cast<int>(d.digits.size());
    if (d.digits == "0") return "0";
    if (d.exponent >= 0) {
        const int intDigits = d.exponent + 1;
        if (n <= intDigits) {
            out = d.digits;
            out.append(static_cast<std::size_t>(intDigits - n), '0');
        } else {
            out = d.digits.substr(0, static_cast<std::size_t>(intDigits));
            out.push_back('.');
            out.append(d.digits, static_cast<std::size_t>(intDigits));
        }
    } else {
        // No leading zero below 1: ".23", ".005".
        out.push_back('.');
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    }
    return out;
}

std::string ExponentForm(const DecimalDigits& d) {
    std::string out(1, d.digits[0]);
    if (d.digits.size() > 1) {
        out.push_back('.');
        out.append(d.digits, 1);
    }
    out.push_back('E');
    out.push_back(d.exponent < 0 ? '-' : '+');
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) out.push_back('0');
    out += std::to_string(magnitude);
    return out;
}

std::string Compose(const DecimalDigits& d, int maxPlainExponent, int minPlainExponent) {
    const bool plain = d.digits == "0" || (d.exponent < maxPlainExponent && d.exponent >= minPlainExponent);
    std::string body = plain ? PlainForm(d) : ExponentForm(d);
    return d.negative ? "-" + body : body;
}

// A value that can be formatted: NaN counts as 0, infinities as the largest finite value.
double Finite(double value) {
    if (std::isnan(value)) return 0.0;
    if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
    return value;
}

} // namespace

double LeadingNumber(std::string_view text) {
    // Gather sign, mantissa and exponent while skipping blanks; stop at the first other character.
    enum Phase { kSign, kInteger, kFraction, kExponentSign, kExponentDigits };
    Phase phase = kSign;
    bool negative = false;
    std::string mantissa; // digits with at most one '.'
    bool anyDigit = false;
    bool exponentNegative = false;
    long exponent = 0;
    for (const char c : text) {
        if (IsIgnoredBlank(c)) continue;
        if (phase == kSign && (c == '+' || c == '-')) {
            negative = c == '-';
            phase = kInteger;
        } else if ((phase == kSign || phase == kInteger || phase == kFraction) && IsDigit(c)) {
            mantissa.push_back(c);
            anyDigit = true;
            if (phase == kSign) phase = kInteger;
        } else if ((phase == kSign || phase == kInteger) && c == '.') {
            mantissa.push_back('.');
            phase = kFraction;
        } else if ((phase == kInteger || phase == kFraction) && anyDigit && (c == 'E' || c == 'e')) {
            phase = kExponentSign;
        } else if (phase == kExponentSign && (c == '+' || c == '-')) {
            exponentNegative = c == '-';
            phase = kExponentDigits;
        } else if ((phase == kExponentSign || phase == kExponentDigits) && IsDigit(c)) {
            exponent = std::min(kExponentCap, exponent * 10 + (c - '0'));
            phase = kExponentDigits;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    if (exponentNegative) exponent = -exponent;

    // Decimal magnitude of the leading significant digit, to tell overflow from underflow.
    long leadExponent = 0;
    {
        const std::size_t point = mantissa.find('.');
        const std::size_t intLen = point == std::string::npos ? mantissa.size() : point;
        const std::size_t firstNonZero = mantissa.find_first_of("123456789");
        if (firstNonZero == std::string::npos) return 0.0;
        leadExponent = firstNonZero < intLen ? static_cast<long>(intLen - firstNonZero) - 1
                                             : -static_cast<long>(firstNonZero - intLen);
        leadExponent += exponent;
    }
    if (leadExponent > DBL_MAX_10_EXP) return negative ? -DBL_MAX : DBL_MAX;
    if (leadExponent < DBL_MIN_10_EXP - DBL_DIG - 10) return 0.0;

    std::string number = mantissa;
    if (exponent != 0) {
        number.push_back('e');
        number += std::to_string(exponent);
    }
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow clamps to the largest finite value, underflow gives 0: never inf, never NaN.
        value = leadExponent > 0 ? DBL_MAX : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0.0;
    }
    if (!std::isfinite(value)) value = DBL_MAX;
    return negative ? -value : value;
}

double NormalizeAndReadNumber(std::string& text) {
    const std::size_t period = text.find('.');
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos && period == std::string::npos) {
        // A lone comma is the decimal separator: the caller's text takes the period form.
        const std::string_view whole(text);
        std::string rewritten(LeftTrimBlanks(whole.substr(0, comma)));
        rewritten.push_back('.');
        rewritten += LeftTrimBlanks(whole.substr(comma + 1));
        text = std::move(rewritten);
    }
    if (IsAllBlank(text)) return 0.0;
    return LeadingNumber(text);
}

double NumFromText(std::string_view text) {
    std::string copy(text);
    return NormalizeAndReadNumber(copy);
}

std::string DisplayText(double value) {
    const DecimalDigits d = ShortestDigits(Finite(value), kDisplayDigits);
    const std::string body = Compose(d, kDisplayDigits, kDisplayMinExponent);
    return d.negative ? body : " " + body;
}

std::string RealItemText(double value, int significantDigits) {
    const double finite = Finite(value);
    if (significantDigits <= 7) {
        // Single precision: the value as a float, clamped to the float range.
        const double clamped =
            std::clamp(finite, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
        const int digits = std::max(1, significantDigits);
        return Compose(ShortestDigits(static_cast<float>(clamped), digits), digits, kItemMinExponent);
    }
    const int digits = std::min(significantDigits, 17);
    return Compose(ShortestDigits(finite, digits), digits, kItemMinExponent);
}

double TruncateDecimals(double value, int decimals) {
    // Int(value * 10^k) / 10^k. Decimal inputs are not exact in binary: (2 - 4.4) * 10 is
    // -24.000000000000004, whose Int is -25. A slack of 1e-12 of the scaled value (thousands of units in
    // the last place, far below any displayed digit) lets such a value truncate to the digit it stands for.
    constexpr double kRepresentationSlack = 1e-12;
    const double scale = std::pow(10.0, std::clamp(decimals, -300, 300));
    const double scaled = value * scale;
    const double result = IntFloor(scaled + std::fabs(scaled) * kRepresentationSlack) / scale;
    return std::isfinite(result) ? result : IntFloor(value);
}

long long RoundLikeCInt(double value, long long low, long long high) {
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    double rounded = floorValue;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floorValue, 2.0) != 0.0)) rounded += 1.0;
    if (!(rounded >= static_cast<double>(low))) return low; // also NaN
    if (rounded >= static_cast<double>(high)) return high;
    return static_cast<long long>(rounded);
}

int SmallIntegerFromText(std::string_view text) {
    constexpr long long kSmallMin = -32768;
    constexpr long long kSmallMax = 32767;
    return static_cast<int>(RoundLikeCInt(NumFromText(text), kSmallMin, kSmallMax));
}

double IntFloor(double value) {
    if (std::isnan(value)) return 0.0;
    if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
    return std::floor(value);
}

} // namespace veskaro
