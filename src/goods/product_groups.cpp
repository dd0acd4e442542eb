#include "goods/product_groups.h"

#include <filesystem>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr std::string_view kMiscellaneousPicture = "diverses.bmp";
constexpr std::string_view kMissingPicture = "Icecube.bmp";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CatalogueFile(std::string_view stem, int group, std::string_view languageCode) {
    std::string name(stem);
    if (group >= 1 && group <= kProductGroupCount) name += std::to_string(group);
    return name + "." + std::string(languageCode);
}

} // namespace

const std::array<ProductGroup, kProductGroupCount>& ProductGroups() {
    // Whole-group values: cp above / below freezing (kJ/(kg K)), latent heat (kJ/kg), freezing point (°C).
    // Chemicals and metal do not freeze in a cold room: no latent heat.
    static const std::array<ProductGroup, kProductGroupCount> groups = {{
        {Cap::GroupMeat, "fleisch.bmp", {3.0, 1.6, 210.0, -2.0}},
        {Cap::GroupFish, "fisch.bmp", {3.1, 1.7, 240.0, -2.0}},
        {Cap::GroupFruit, "nat_12.bmp", {3.7, 1.8, 280.0, -1.0}},
        {Cap::GroupDairy, "mopro.bmp", {3.6, 2.5, 280.0, -2.0}},
        {Cap::GroupVegetables, "nat_01.bmp", {3.7, 1.9, 280.0, -1.0}},
        {Cap::GroupMiscellaneous, kMiscellaneousPicture, {3.5, 1.8, 240.0, -1.0}},
        {Cap::GroupChemicals, "chemie.bmp", {1.4, 1.4, 0.0, -1.0}},
        {Cap::GroupMetal, "metall.bmp", {0.7, 0.7, 0.0, -1.0}},
    }};
    return groups;
}

int GroupNumberFromName(const CaptionTable& captions, std::string_view name) {
    const std::string_view wanted = Trimmed(name);
    for (int g = 1; g <= kProductGroupCount; ++g) {
        if (Trimmed(captions[ProductGroups()[static_cast<std::size_t>(g - 1)].caption]) == wanted) return g;
    }
    return kNoProductGroup;
}

std::string GroupCaption(const CaptionTable& captions, int group) {
    if (group < 1 || group > kProductGroupCount) return {};
    return captions[ProductGroups()[static_cast<std::size_t>(group - 1)].caption];
}

std::optional<GroupDefaults> DefaultsOfGroup(int group) {
    if (group < 1 || group > kProductGroupCount) return std::nullopt;
    return ProductGroups()[static_cast<std::size_t>(group - 1)].defaults;
}

std::string GroupPictureFile(const AppContext& ctx, int group) {
    const std::string_view picture = group >= 1 && group <= kProductGroupCount
                                         ? ProductGroups()[static_cast<std::size_t>(group - 1)].picture
                                         : kMiscellaneousPicture;
    std::error_code ec;
    const auto size = std::filesystem::file_size(FindFileNoCase(ResolveDataPath(ctx, picture)), ec);
    if (ec || size == 0) return std::string(kMissingPicture);
    return std::string(picture);
}

std::string StandardCatalogueFile(int group, std::string_view languageCode) {
    return CatalogueFile("KelvoG", group, languageCode);
}

std::string UserCatalogueFile(int group, std::string_view languageCode) {
    return CatalogueFile("KelvoA", group, languageCode);
}

} // namespace veskaro
