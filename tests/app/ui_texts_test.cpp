// The desktop texts outside the caption files: complete in every shipped language, the same value markers
// as English, CP1252 only, and English for any other language.

#include "app/ui_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "app/record_file.h"
#include "app/ui_text_rows.h"
#include "goods/goods_grid.h"
#include "room/field_hints.h"
#include "room/room_fields.h"

namespace veskaro {
namespace {

// The "%1".."%9" markers of a text, as a set ("%1 = %2" and "%2 = %1" carry the same values).
std::multiset<char> Markers(std::string_view text) {
    std::multiset<char> markers;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') markers.insert(text[i + 1]);
    }
    return markers;
}

TEST(UiTexts, EveryTextInEveryLanguageWithTheMarkersOfEnglish) {
    std::size_t rows = 0;
    for (const auto part : {WindowTextRows(), DialogTextRows(), FieldHintRows(), CommandHintRows()})
        rows += part.size();
    EXPECT_EQ(rows, static_cast<std::size_t>(kUiTextCount)); // one row per text, none given twice
    for (int i = 0; i < kUiTextCount; ++i) {
        const auto id = static_cast<UiTextId>(i);
        const std::string_view english = UiText(id, "ENG");
        SCOPED_TRACE(english.empty() ? "text " + std::to_string(i) : std::string(english));
        for (const ShippedLanguage& language : kShippedLanguages) {
            SCOPED_TRACE(language.code);
            const std::string_view text = UiText(id, language.code);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(Markers(text), Markers(english));
            EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(text)), text); // nothing CP1252 cannot carry
            EXPECT_EQ(text.find('\t'), std::string_view::npos);
        }
        for (const std::string_view other : {"NLD", "", "deu", "DEUT"})
            EXPECT_EQ(UiText(id, other), english) << other;
    }
    // The languages differ where they should: a German run does not read English.
    EXPECT_NE(UiText(UiTextId::SaveBeforeClose, "DEU"), UiText(UiTextId::SaveBeforeClose, "ENG"));
}

TEST(UiTexts, MarkersAreFilledWhereverTheLanguagePutsThem) {
    const struct {
        std::string_view pattern;
        std::string expected;
    } rows[] = {
        {"%1 = %2 is outside %3 to %4", "RaumL = 2000 is outside 0.01 to 1000"},
        {"%2 / %1 / %2", "2000 / RaumL / 2000"},
        {"100 %, %5 and %a", "100 %, %5 and %a"}, // no such value: the marker stays
        {"%", "%"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FillText(row.pattern, {"RaumL", "2000", "0.01", "1000"}), row.expected) << row.pattern;
}

TEST(UiTexts, HintsAndRangeWarningsComposeInTheRunsLanguage) {
    const FieldRange optional{1.0, 24.0, true};
    EXPECT_EQ(FieldRangeText(optional, "DEU"), "0 (keine Angabe) oder 1 bis 24");
    EXPECT_EQ(FieldRangeText(optional, "ITA"), "0 (non indicato) o da 1 a 24");
    EXPECT_EQ(FieldRangeText({-60.0, 100.0}, "XYZ"), "-60 to 100");

    const std::string german = RoomFieldHint(RoomField::RaumTemp, "DEU");
    EXPECT_EQ(german.rfind("Raumlufttemperatur, °C. Bereich: ", 0), 0u) << german;
    EXPECT_EQ(RoomFieldHint(RoomField::proj, "FRA"), "Nom du projet"); // free text: no range
    EXPECT_EQ(GoodsColumnHint(kGoodsName, "ESP"), "Mercancía o grupo de mercancías");
    EXPECT_EQ(GoodsColumnHint(kGoodsRespiration, "ENG").rfind("Respiration heat, kJ/(kg day). Range: ", 0),
              0u);
    EXPECT_EQ(GoodsColumnHint(kGoodsRespiration + 1, "ENG"), "");

    RangeWarning goods;
    goods.goodsRow = 2;
    goods.goodsColumn = kGoodsEntryTemp;
    goods.name = "goods row 2 column 3";
    goods.value = 150.0;
    goods.min = -60.0;
    goods.max = 100.0;
    EXPECT_EQ(goods.text("FRA"), "marchandise ligne 2 colonne 3 = 150 est hors de -60 à 100");
    RangeWarning field = goods;
    field.field = RoomField::RaumTemp;
    field.name = "RaumTemp";
    EXPECT_EQ(field.text("DEU"), "RaumTemp = 150 liegt außerhalb -60 bis 100");
}

} // namespace
} // namespace veskaro
