#pragma once
// Grid headers as data: a header is a sequence of caption words, unit labels and fixed joining texts,
// composed with the caption table of the current language.

#include <string>
#include <string_view>
#include <vector>

#include "app/caption_slots.h"

namespace veskaro {

class CaptionTable;

struct HeaderPiece {
    enum class Kind { Caption, TemperatureUnit, Text };
    Kind kind = Kind::Text;
    Cap slot = Cap::MainWindowTitle; // Kind::Caption
    std::string_view text;           // Kind::Text
};

struct ColumnHeader {
    int width_twips = 0; // 0: hidden column
    std::vector<HeaderPiece> pieces;
};

inline HeaderPiece Word(Cap slot) {
    return {HeaderPiece::Kind::Caption, slot, {}};
}
inline HeaderPiece Joint(std::string_view text) {
    return {HeaderPiece::Kind::Text, Cap::MainWindowTitle, text};
}
inline HeaderPiece TemperatureUnit() {
    return {HeaderPiece::Kind::TemperatureUnit, Cap::MainWindowTitle, {}};
}

// The header text: the pieces joined exactly as listed.
std::string ComposeHeader(const ColumnHeader& header, const CaptionTable& captions);

} // namespace veskaro
