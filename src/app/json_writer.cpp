// A small streaming JSON writer.

#include "app/json_writer.h"

#include <charconv>
#include <cmath>

namespace veskaro {

namespace {

constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD

void AppendEscapedControl(std::string& out, unsigned code) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out.push_back(kHex[(code >> 4) & 0xF]);
    out.push_back(kHex[code & 0xF]);
}

// Length of the well-formed UTF-8 sequence starting at s[i], 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out.push_back('"');
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    AppendEscapedControl(out, c);
                } else {
                    out.push_back(static_cast<char>(c));
                }
            }
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(utf8, i);
        if (length == 0) {
            out += kReplacementCharacter;
            ++i;
        } else if (length == 2 && c == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // C1 control characters (U+0080..U+009F) are escaped too.
            AppendEscapedControl(out, static_cast<unsigned char>(utf8[i + 1]));
            i += 2;
        } else {
            out.append(utf8, i, length);
            i += length;
        }
    }
    out.push_back('"');
    return out;
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_needsComma.empty()) {
        if (m_needsComma.back()) m_text.push_back(',');
        m_needsComma.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    m_text.push_back('{');
    m_needsComma.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_text.push_back('}');
    if (!m_needsComma.empty()) m_needsComma.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    m_text.push_back('[');
    m_needsComma.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_text.push_back(']');
    if (!m_needsComma.empty()) m_needsComma.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    m_text += JsonString(name);
    m_text.push_back(':');
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    m_text += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number)) return null();
    beforeValue();
    if (number == 0.0) number = 0.0; // no "-0"
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, number);
    m_text.append(buf, res.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(int number) {
    beforeValue();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    m_text += "null";
    return *this;
}

} // namespace veskaro
