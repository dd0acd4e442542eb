#pragma once
// Number text: every number a user types or a file holds is text until used.

#include <string>
#include <string_view>

namespace veskaro {

// Converts number text to a number. A lone comma (no period) counts as the decimal separator and the
// caller's text is rewritten with a period ("12,5" becomes "12.5"). Blanks are ignored, reading stops at
// the first character that cannot continue a number; empty or blank text gives 0.
double NormalizeAndReadNumber(std::string& text);
// The same without rewriting the caller's text.
double NumFromText(std::string_view text);
// The leading numeric part of text read with the period as decimal separator (no comma rewriting): blanks
// are ignored, "" and text without digits give 0. Overflow gives +-DBL_MAX, underflow 0; never inf or NaN.
double LeadingNumber(std::string_view text);

// Display form of a number: shortest decimal text with at most 15 significant digits, trailing zeros
// dropped, a leading blank for non-negative values and no leading zero below 1 (" .23", "-.5", " 5").
// Exponent form (" 1E+15", "-1.25E-16") only from 1e15 up and below 1e-15. NaN shows " 0", an infinity
// as the largest finite value.
std::string DisplayText(double value);

// Item form of a real in a record file: like DisplayText but without the leading blank, at most
// `significantDigits` (7 for single, 15 for double precision). Exponent form from 10^significantDigits up
// ("1E+20", "1E+07" for single) and below 1e-4 ("1E-05"), as the family's files carry it.
std::string RealItemText(double value, int significantDigits = 15);

// Int(value * 10^decimals) / 10^decimals: the truncating rounding (towards minus infinity) used for every
// displayed value.
double TruncateDecimals(double value, int decimals);

// CInt: rounds half to even (2.5 -> 2, 3.5 -> 4) and clamps to [low, high]; NaN gives low.
long long RoundLikeCInt(double value, long long low, long long high);
// A 16-bit integer held as number text (settings, hand-over and room record flags): NumFromText, then
// CInt, clamped to -32768..32767.
int SmallIntegerFromText(std::string_view text);

// Int() of the handbook: the largest whole number not above value, safe for NaN and huge values.
double IntFloor(double value);

} // namespace veskaro
