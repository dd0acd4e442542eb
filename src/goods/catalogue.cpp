#include "goods/catalogue.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/app_context.h"
#include "app/languages.h"
#include "app/record_file.h"
#include "goods/product_groups.h"

namespace veskaro {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

// Reads a catalogue file unless it is larger than a catalogue can sensibly be.
RecordReader ReadBounded(const AppContext& ctx, const std::string& name, bool& tooLarge) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(FindFileNoCase(ResolveDataPath(ctx, name)), ec);
    tooLarge = !ec && size > kMaxCatalogueFileBytes;
    return tooLarge ? RecordReader{} : OpenInput(ctx, name);
}

// Fills rows from `row` on with the file's products; those beyond row 50 go to `more`.
int ReadProducts(RecordReader& in, Catalogue& catalogue, int row, bool numbered,
                 std::vector<CatalogueRow>& more) {
    int number = 1;
    while (!in.atEnd()) {
        CatalogueRow product{};
        for (int c = 1; c <= kCatalogueProductFields; ++c)
            in.next(product[Index(c)]);
        if (numbered) product[kCatRowNumber] = std::to_string(number++);
        if (row <= kCatalogueRows) {
            catalogue.grid[Index(row++)] = product;
        } else if (more.size() < Index(kMaxKeptProductsPerFile)) {
            more.push_back(product);
            catalogue.restNotShown = true;
        } else {
            catalogue.restNotShown = true;
            break;
        }
    }
    return row;
}

void WriteProduct(RecordWriter& out, const CatalogueRow& product) {
    for (int c = 1; c <= kCatalogueProductFields; ++c)
        out.userLine(product[Index(c)]);
}

} // namespace

const std::array<ColumnHeader, kCatalogueColumns>& CatalogueHeaders() {
    static const std::array<ColumnHeader, kCatalogueColumns> headers = {{
        {450, {}},
        {2500, {Word(Cap::ProductWord)}},
        {1400,
         {Word(Cap::StorageWord), Joint(" "), Word(Cap::TemperatureWord), Joint(" /["), TemperatureUnit(),
          Joint("]")}},
        {1400, {Word(Cap::StorageWord), Joint(" "), Word(Cap::HumidityWord), Joint(" /[%]")}},
        {1400, {Word(Cap::StorageLifeWord)}},
        {1400,
         {Word(Cap::FreezingWord), Joint(" "), Word(Cap::TemperatureWord), Joint(" /["), TemperatureUnit(),
          Joint("]")}},
        {1600,
         {Word(Cap::SpecificHeatWord), Joint(" "), Word(Cap::AboveWord), Joint(" "), Word(Cap::FreezingWord),
          Joint(" /[kJ/kg K]")}},
        {1600,
         {Word(Cap::SpecificHeatWord), Joint(" "), Word(Cap::BelowWord), Joint(" "), Word(Cap::FreezingWord),
          Joint(" /[kJ/kg K]")}},
        {1600, {Word(Cap::LatentHeatWord), Joint(" /[kJ/kg]")}},
        {1600, {Word(Cap::RespirationHeatWord), Joint(" /[kJ/kg "), Word(Cap::DayWord), Joint("]")}},
        {2000, {Word(Cap::RemarkWord)}},
        {0, {}},
    }};
    return headers;
}

bool IsStandardMark(std::string_view mark) {
    std::string bare;
    for (const char ch : mark)
        if (ch != ' ') bare += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return bare == "X";
}

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(' ') == std::string_view::npos;
}

Catalogue LoadCatalogue(const AppContext& ctx, int group) {
    Catalogue catalogue;
    catalogue.group = group;
    const std::string standardName = LanguageFileForReading(
        ctx, StandardCatalogueFile(group, ctx.languageCode), StandardCatalogueFile(group, kEnglish));
    RecordReader standard = ReadBounded(ctx, standardName, catalogue.standardTooLarge);
    int row = ReadProducts(standard, catalogue, 1, true, catalogue.moreStandard);
    const std::string userName = LanguageFileForReading(ctx, UserCatalogueFile(group, ctx.languageCode),
                                                        UserCatalogueFile(group, kEnglish));
    RecordReader user = ReadBounded(ctx, userName, catalogue.userTooLarge);
    ReadProducts(user, catalogue, row, false, catalogue.moreUser);
    return catalogue;
}

WriteStatus SaveCatalogue(const AppContext& ctx, Catalogue& catalogue) {
    RecordWriter standard;
    RecordWriter user;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        CatalogueRow& product = catalogue.grid[Index(r)];
        if (IsBlankName(product[kCatName])) continue; // neither written nor cleared
        WriteProduct(IsStandardMark(product[kCatStandardMark]) ? standard : user, product);
        for (int c = 1; c <= kCatalogueProductFields; ++c)
            product[Index(c)].clear();
    }
    for (const CatalogueRow& product : catalogue.moreStandard)
        WriteProduct(standard, product);
    for (const CatalogueRow& product : catalogue.moreUser)
        WriteProduct(user, product);
    WriteStatus status;
    if (!catalogue.standardTooLarge)
        status = SaveOutput(ctx, StandardCatalogueFile(catalogue.group, ctx.languageCode), standard);
    if (!catalogue.userTooLarge)
        status =
            FirstFailure(status, SaveOutput(ctx, UserCatalogueFile(catalogue.group, ctx.languageCode), user));
    return status;
}

WriteStatus SwitchGroup(const AppContext& ctx, Catalogue& catalogue, int newGroup) {
    WriteStatus saved = SaveCatalogue(ctx, catalogue);
    catalogue = LoadCatalogue(ctx, newGroup);
    return saved;
}

GridKeyOutcome CatalogueKeyAction(CatalogueGrid& grid, GridKey key, CellRange selection, int row, int column,
                                  std::string_view clipboard) {
    TextGrid text(kCatalogueRows + 1, kCatalogueColumns);
    for (int r = 1; r <= kCatalogueRows; ++r)
        for (int c = 1; c < kCatalogueColumns; ++c)
            text.set(r, c, grid[Index(r)][Index(c)]);
    GridKeyOutcome outcome =
        GridKeyAction(text, key, selection, row, column, clipboard, kCatalogueClipboardRules);
    for (const CellWrite& w : outcome.writes)
        grid[Index(w.row)][Index(w.column)] = w.text;
    return outcome;
}

void ReadGoodsSettings(const AppContext& ctx, GoodsSettings& settings) {
    RecordReader in = OpenInput(ctx, kGoodsSettingsFile);
    in.next(settings.groupName);
    in.next(settings.loadingDensity);
    in.next(settings.turnover);
}

WriteStatus WriteGoodsSettings(const AppContext& ctx, const GoodsSettings& settings) {
    RecordWriter out;
    out.userStr(settings.groupName).userStr(settings.loadingDensity).userStr(settings.turnover).endLine();
    return SaveOutput(ctx, kGoodsSettingsFile, out);
}

int OpeningGroup(const AppContext& ctx, GoodsSettings& settings) {
    constexpr std::size_t kShortestGroupName = 3;
    if (settings.groupName.size() < kShortestGroupName) settings.groupName = GroupCaption(ctx.captions, 1);
    return GroupNumberFromName(ctx.captions, settings.groupName);
}

} // namespace veskaro
