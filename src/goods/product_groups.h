#pragma once
// The eight product groups of the catalogue: their captions, pictures, catalogue files and the defaults
// a whole group is inserted with.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/caption_slots.h"

namespace veskaro {

struct AppContext;
class CaptionTable;

inline constexpr int kProductGroupCount = 8;
inline constexpr int kNoProductGroup = 0; // a group name that matches none of the eight captions

// Typical values of a whole group, used when a group is inserted instead of a single product.
struct GroupDefaults {
    double cpAbove_kJkgK = 0.0;
    double cpBelow_kJkgK = 0.0;
    double latentHeat_kJkg = 0.0;
    double freezingPoint_C = 0.0;
};

struct ProductGroup {
    Cap caption;              // group name shown in combo, tabs and menu
    std::string_view picture; // picture file in the data directory
    GroupDefaults defaults;
};

// Groups 1..8 at index 0..7: meat, fish, fruit, dairy, vegetables, miscellaneous, chemicals, metal.
const std::array<ProductGroup, kProductGroupCount>& ProductGroups();

// The group (1..8) whose caption equals `name` with leading and trailing blanks removed; 0 for none.
int GroupNumberFromName(const CaptionTable& captions, std::string_view name);
// The caption of group 1..8; "" for any other number.
std::string GroupCaption(const CaptionTable& captions, int group);
// The defaults of group 1..8; none for any other number.
std::optional<GroupDefaults> DefaultsOfGroup(int group);

// The picture of a group: its file when present with a length above 0 in the data directory, else the
// ice-cube picture. Unknown groups use the miscellaneous picture. Returns the file name.
std::string GroupPictureFile(const AppContext& ctx, int group);

// "KelvoG" & n & "." & language: products of the standard catalogue. Group 0 gives the name without
// a number.
std::string StandardCatalogueFile(int group, std::string_view languageCode);
// "KelvoA" & n & "." & language: the user's own products.
std::string UserCatalogueFile(int group, std::string_view languageCode);

} // namespace veskaro
