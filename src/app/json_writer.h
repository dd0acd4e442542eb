#pragma once
// A small streaming JSON writer: correct string escaping, only finite numbers (others become null).

#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

class JsonWriter final {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name); // the next value is a member named `name`

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(double number); // NaN and infinities are written as null
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // key(name).value(v) in one call.
    template <typename T> JsonWriter& member(std::string_view name, const T& v) { return key(name).value(v); }

    const std::string& text() const { return m_text; }

  private:
    void beforeValue();
    std::string m_text;
    std::vector<bool> m_needsComma; // one entry per open object or array
    bool m_afterKey = false;
};

// The JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped; a byte
// sequence that is not UTF-8 becomes U+FFFD.
std::string JsonString(std::string_view utf8);

} // namespace veskaro
