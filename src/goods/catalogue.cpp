#include "goods/catalogue.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/app_context.h"
#include "app/record_file.h"
#include "goods/product_groups.h"

namespace veskaro {

namespace {

constexpr char kTab = '\t';
constexpr char kCr = '\r';
constexpr char kLf = '\n';

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

int ClampInt(int value, int low, int high) {
    return std::clamp(value, low, high);
}

struct Block {
    int top, left, bottom, right;
};

Block Normalised(int row1, int col1, int row2, int col2) {
    return {ClampInt(std::min(row1, row2), 1, kCatalogueRows), ClampInt(std::min(col1, col2), 0, 11),
            ClampInt(std::max(row1, row2), 1, kCatalogueRows), ClampInt(std::max(col1, col2), 0, 11)};
}

void PutCell(CatalogueGrid& grid, int row, int col, std::string_view text) {
    if (row < 1 || row > kCatalogueRows || col < 0 || col >= kCatalogueColumns) return;
    grid[Index(row)][Index(col)] = std::string(text);
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
    RecordReader standard =
        ReadBounded(ctx, StandardCatalogueFile(group, ctx.languageCode), catalogue.standardTooLarge);
    int row = ReadProducts(standard, catalogue, 1, true, catalogue.moreStandard);
    RecordReader user = ReadBounded(ctx, UserCatalogueFile(group, ctx.languageCode), catalogue.userTooLarge);
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

void DeleteBlock(CatalogueGrid& grid, int row1, int col1, int row2, int col2) {
    const Block b = Normalised(row1, col1, row2, col2);
    for (int r = b.top; r <= b.bottom; ++r)
        for (int c = b.left; c <= b.right; ++c)
            grid[Index(r)][Index(c)].clear();
}

std::string CopyBlock(CatalogueGrid& grid, int row1, int col1, int row2, int col2, bool cut) {
    const Block b = Normalised(row1, col1, row2, col2);
    const bool single = b.top == b.bottom && b.left == b.right;
    std::string text;
    for (int r = b.top; r <= b.bottom; ++r) {
        for (int c = b.left; c <= b.right; ++c) {
            std::string& cell = grid[Index(r)][Index(c)];
            text += cell;
            if (!single) text += kTab;
            if (cut) cell.clear();
        }
        if (!single) text += kCr;
    }
    return text;
}

void PasteText(CatalogueGrid& grid, int row, int col, std::string_view text) {
    int r = row;
    int c = col;
    std::size_t pos = 0;
    std::size_t tab = text.find(kTab);
    std::size_t cr = text.find(kCr);
    // Positions are found once each and searched again only when passed: linear in the text.
    while ((tab != std::string_view::npos || cr != std::string_view::npos) && r <= kCatalogueRows) {
        if (tab < cr) {
            PutCell(grid, r, c++, text.substr(pos, tab - pos));
            pos = tab + 1;
        } else {
            PutCell(grid, r++, c, text.substr(pos, cr - pos));
            c = col;
            // The LF of a CR LF pair goes with the CR; a lone CR (our own copy) keeps the next character.
            pos = cr + 1 < text.size() && text[cr + 1] == kLf ? cr + 2 : cr + 1;
        }
        if (tab != std::string_view::npos && tab < pos) tab = text.find(kTab, pos);
        if (cr != std::string_view::npos && cr < pos) cr = text.find(kCr, pos);
    }
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
