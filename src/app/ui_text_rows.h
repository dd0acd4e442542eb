#pragma once
// The rows behind UiText, kept in several files by subject: each gives its rows in any order.

#include <array>
#include <span>
#include <string_view>

#include "app/languages.h"
#include "app/ui_texts.h"

namespace veskaro {

struct UiTextRow {
    UiTextId id;
    std::array<std::string_view, kShippedLanguages.size()> text; // in the order of kShippedLanguages
};

std::span<const UiTextRow> WindowTextRows();
std::span<const UiTextRow> DialogTextRows();
std::span<const UiTextRow> FieldHintRows();
std::span<const UiTextRow> CommandHintRows();

} // namespace veskaro
