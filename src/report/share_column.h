#pragma once
// The share column of the result record's component lines. A component value is written as the capacity
// followed by its share in brackets ("2.794 kW     [ 27.35 %]"); drawn as one text, the shares would start
// wherever the capacity ends. The report draws the share as a column of its own, aligned on the decimal
// point, so that the percentages read down the page.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_layout.h"

namespace veskaro {

inline constexpr double kShareDecimalX = 0.68; // decimal point of the share column, fraction of the width

struct ValueWithShare {
    std::string value; // the capacity with its unit, trailing blanks removed
    std::string share; // the share with its unit, without the brackets: "27.35 %"
};

// Splits a value that ends in a bracketed share "[ ... %]"; nothing for any other value.
std::optional<ValueWithShare> SplitShare(std::string_view value);

// The text ops of a label/value line's value at x: one op, or the capacity and the share column.
void AddValueOps(std::vector<DrawOp>& ops, double x, double y, const std::string& value, double size_pt);

// Where the decimal point of a number text stands: the index of its '.', else the end of its leading
// whole number ("100 %" -> 3).
std::size_t DecimalPointIndex(std::string_view text);

} // namespace veskaro
