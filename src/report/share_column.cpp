#include "report/share_column.h"

namespace veskaro {

namespace {

constexpr std::string_view kShareOpen = "[";
constexpr std::string_view kShareClose = "%]";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<ValueWithShare> SplitShare(std::string_view value) {
    const std::string_view whole = Trimmed(value);
    if (whole.size() < kShareClose.size() || whole.substr(whole.size() - kShareClose.size()) != kShareClose)
        return std::nullopt;
    const std::size_t open = whole.rfind(kShareOpen);
    if (open == std::string_view::npos) return std::nullopt;
    const std::string_view number =
        Trimmed(whole.substr(open + 1, whole.size() - kShareClose.size() - open - 1));
    if (number.empty()) return std::nullopt;
    return ValueWithShare{std::string(Trimmed(whole.substr(0, open))), std::string(number) + " %"};
}

void AddValueOps(std::vector<DrawOp>& ops, double x, double y, const std::string& value, double size_pt) {
    DrawOp op;
    op.kind = DrawKind::Text;
    op.x = x;
    op.y = y;
    op.size_pt = size_pt;
    const std::optional<ValueWithShare> split = SplitShare(value);
    op.text = split ? split->value : value;
    ops.push_back(op);
    if (!split) return;
    op.x = kShareDecimalX;
    op.text = split->share;
    op.alignDecimal = true;
    ops.push_back(op);
}

std::size_t DecimalPointIndex(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos) return point;
    std::size_t i = text.find_first_not_of(" +-");
    if (i == std::string_view::npos) return text.size();
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    return i;
}

} // namespace veskaro
