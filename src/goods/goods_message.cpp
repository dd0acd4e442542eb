#include "goods/goods_message.h"

#include "app/captions.h"
#include "goods/catalogue.h"
#include "goods/product_groups.h"

namespace veskaro {

namespace {

constexpr std::string_view kZeroEnding = " = 0 !";

std::string Joined(const std::vector<Cap>& words, const CaptionTable& captions) {
    std::string text;
    for (const Cap slot : words) {
        if (!text.empty()) text += ' ';
        text += captions[slot];
    }
    return text;
}

GoodsMessage InsertMessage(std::vector<Cap> words, InsertField focus) {
    return {MessageKind::Exclamation, std::move(words), kZeroEnding, {Cap::GoodsMsgTitle}, focus};
}

} // namespace

Message ComposeMessage(const GoodsMessage& message, const CaptionTable& captions) {
    return {message.kind, Joined(message.titleWords, captions),
            Joined(message.words, captions) + std::string(message.ending)};
}

GoodsMessage AmountMessage() {
    return InsertMessage({Cap::AmountWord}, InsertField::Amount);
}

GoodsMessage EntryTemperatureMessage() {
    return InsertMessage({Cap::EntryTemperatureOfWord, Cap::ProductWord}, InsertField::EntryTemperature);
}

GoodsMessage EndTemperatureMessage() {
    return InsertMessage({Cap::EndTemperatureOfWord, Cap::ProductWord}, InsertField::EndTemperature);
}

GoodsMessage ListFullMessage() {
    return {MessageKind::Exclamation,
            {Cap::GoodsListFrame},
            " = max. 50 !",
            {Cap::GoodsMsgTitle},
            InsertField::None};
}

GoodsMessage ClearListQuestion() {
    return {MessageKind::Question,
            {Cap::ProductWord, Cap::DeleteListWord},
            " ?",
            {Cap::GoodsMsgTitle, Cap::GoodsMsgTitleSecond},
            InsertField::None};
}

namespace {

// The name of a goods field in a warning: the caption words of its heading, without the unit.
std::string FieldName(const CaptionTable& captions, GoodsColumn field) {
    switch (field) {
    case kGoodsName:
        return captions[Cap::ProductWord];
    case kGoodsAmount:
        return captions[Cap::AmountWord];
    case kGoodsEntryTemp:
        return captions[Cap::EntryTemperatureOfWord] + " " + captions[Cap::ProductWord];
    case kGoodsEndTemp:
        return captions[Cap::EndTemperatureOfWord] + " " + captions[Cap::ProductWord];
    default:
        break;
    }
    // Goods fields 5..12 are catalogue columns 2..9.
    const int column = field - kGoodsStorageTemp + kCatStorageTemp;
    if (column < kCatStorageTemp || column > kCatRespiration) return std::to_string(field);
    const std::string header = ComposeHeader(CatalogueHeaders()[static_cast<std::size_t>(column)], captions);
    return header.substr(0, header.find(" /["));
}

} // namespace

std::vector<std::string> GoodsGridWarnings(const CaptionTable& captions, const GoodsGrid& goods,
                                           const std::vector<GoodsRowCheck>& checks) {
    std::vector<std::string> lines;
    std::string notCounted;
    for (const GoodsRowCheck& check : checks) {
        const std::string& name = goods[static_cast<std::size_t>(check.row)][kGoodsName];
        const std::string row = std::to_string(check.row) + (name.empty() ? "" : " " + name);
        if (!check.counted) {
            notCounted += (notCounted.empty() ? "" : ", ") + row;
            continue;
        }
        if (check.missing.empty()) continue;
        std::string fields;
        for (const GoodsColumn field : check.missing)
            fields += (fields.empty() ? "" : ", ") + FieldName(captions, field);
        lines.push_back(captions[Cap::GoodsListFrame] + " " + row + ": " + fields +
                        " missing: goods heat incomplete !");
    }
    if (!notCounted.empty())
        lines.push_back(captions[Cap::GoodsListFrame] + " > " + std::to_string(kGoodsRowsCounted) +
                        ": not counted: " + notCounted);
    return lines;
}

std::string RestNotShownNote(const CaptionTable& captions, int group, std::string_view languageCode) {
    return captions[Cap::CatalogueFrame] + " > " + std::to_string(kCatalogueRows) + " !  1.." +
           std::to_string(kCatalogueRows) + " shown, the rest stays in " +
           StandardCatalogueFile(group, languageCode) + " / " + UserCatalogueFile(group, languageCode);
}

} // namespace veskaro
