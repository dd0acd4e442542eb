// Material catalogues: loading, saving and picking.

#include "envelope/material_catalogue.h"

#include <algorithm>
#include <cctype>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/languages.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

const char* const kStandardMark = "X";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool IsBlank(std::string_view text) {
    return Trimmed(text).empty();
}

std::string Stem(MaterialKind kind) {
    return kind == MaterialKind::Building ? "BauS" : "DaemmS";
}

// Reads one file's rows into the grid from row `row` on; false when rows were left for want of space.
bool ReadRows(RecordReader file, TextGrid& grid, int& row, std::string_view mark) {
    while (!file.atEnd()) {
        std::string name, lambda, density;
        file.read(name);
        file.read(lambda);
        file.read(density);
        if (IsBlank(name) && IsBlank(lambda)) return true;
        if (row >= kMaterialCatalogueRows) return false;
        ++row;
        grid.set(row, kColCatName, name);
        grid.set(row, kColCatLambda, lambda);
        grid.set(row, kColCatDensity, density);
        grid.set(row, kColCatStandard, std::string(mark));
    }
    return true;
}

bool IsStandardRow(std::string_view mark) {
    std::string text = Trimmed(mark);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::toupper(ch); });
    return text == kStandardMark;
}

} // namespace

std::string StandardCatalogueName(MaterialKind kind, std::string_view languageCode) {
    return Stem(kind) + "." + std::string(languageCode);
}

std::string UserCatalogueName(MaterialKind kind, std::string_view languageCode) {
    return Stem(kind) + "A." + std::string(languageCode);
}

CatalogueLoad ReadCatalogue(RecordReader standardFile, RecordReader userFile) {
    CatalogueLoad load;
    int row = 0;
    const bool standardFits = ReadRows(std::move(standardFile), load.grid, row, kStandardMark);
    // A standard file cut short leaves the user rows out as well: they would have followed it.
    const bool userFits = standardFits && ReadRows(std::move(userFile), load.grid, row, "");
    load.rowCount = row;
    load.moreRowsNotLoaded = !standardFits || !userFits;
    return load;
}

CatalogueLoad LoadCatalogue(const AppContext& ctx, MaterialKind kind) {
    const std::string standard = LanguageFileForReading(ctx, StandardCatalogueName(kind, ctx.languageCode),
                                                        StandardCatalogueName(kind, kEnglish));
    const std::string user = LanguageFileForReading(ctx, UserCatalogueName(kind, ctx.languageCode),
                                                    UserCatalogueName(kind, kEnglish));
    return ReadCatalogue(OpenInput(ctx, standard), OpenInput(ctx, user));
}

Message CatalogueCutMessage(const CaptionTable& captions, MaterialKind kind) {
    const Cap title =
        kind == MaterialKind::Building ? Cap::BuildingMaterialsTitle : Cap::InsulationMaterialsTitle;
    return {MessageKind::Exclamation, captions[Cap::WallDialogTitle],
            captions[title] + " > " + std::to_string(kMaterialCatalogueRows) + " !"};
}

CatalogueFiles CatalogueFileTexts(const TextGrid& grid) {
    CatalogueFiles files;
    for (int r = 1; r < grid.rows(); ++r) {
        const std::string& name = grid.at(r, kColCatName);
        const std::string& lambda = grid.at(r, kColCatLambda);
        const std::string& density = grid.at(r, kColCatDensity);
        if (IsStandardRow(grid.at(r, kColCatStandard))) {
            files.standard.userStr(name).userStr(lambda).userStr(density).endLine();
        } else if (!IsBlank(name) && !IsBlank(lambda)) {
            files.user.userStr(name).userStr(lambda).userStr(density).endLine();
        }
    }
    return files;
}

WriteStatus SaveCatalogue(const AppContext& ctx, MaterialKind kind, const TextGrid& grid) {
    const CatalogueFiles files = CatalogueFileTexts(grid);
    WriteStatus standard = SaveOutput(ctx, StandardCatalogueName(kind, ctx.languageCode), files.standard);
    WriteStatus user = SaveOutput(ctx, UserCatalogueName(kind, ctx.languageCode), files.user);
    return FirstFailure(standard, user);
}

MaterialPick PickMaterial(const TextGrid& grid, int row) {
    if (row < 1 || row >= grid.rows()) return {};
    return {grid.at(row, kColCatName), grid.at(row, kColCatLambda)};
}

} // namespace veskaro
