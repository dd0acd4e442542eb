#include "goods/goods_message.h"

#include "app/captions.h"

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

} // namespace veskaro
