#include "goods/header_text.h"

#include "app/captions.h"

namespace veskaro {

std::string ComposeHeader(const ColumnHeader& header, const CaptionTable& captions) {
    std::string text;
    for (const HeaderPiece& piece : header.pieces) {
        switch (piece.kind) {
        case HeaderPiece::Kind::Caption:
            text += captions[piece.slot];
            break;
        case HeaderPiece::Kind::TemperatureUnit:
            text += captions.units.temperature;
            break;
        case HeaderPiece::Kind::Text:
            text += piece.text;
            break;
        }
    }
    return text;
}

} // namespace veskaro
