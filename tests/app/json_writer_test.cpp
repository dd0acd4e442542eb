// JSON writer: escaping, non-finite numbers, separators of nested values.

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "app/json_writer.h"

namespace veskaro {
namespace {

TEST(JsonString, EscapesWhatJsonForbids) {
    const std::tuple<std::string, std::string> cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line\rnext\n\ttab", "\"line\\rnext\\n\\ttab\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\x1f\x7f", "\"\\u001f\\u007f\""},
        {"°C m³", "\"°C m³\""},                                       // valid UTF-8 stays
        {"\xC2\x81", "\"\\u0081\""},                                  // C1 control
        {"bad \xB0 byte", "\"bad \xEF\xBF\xBD byte\""},               // a lone CP1252 byte is not UTF-8
        {"\xE2\x82", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                 // truncated sequence
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // surrogate
    };
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(out);
        EXPECT_EQ(JsonString(in), out);
    }
}

TEST(JsonWriter, NestingAndNumbers) {
    JsonWriter j;
    j.beginObject()
        .member("a", 1)
        .member("b", 0.1 + 0.2)
        .member("inf", std::numeric_limits<double>::infinity())
        .member("nan", std::numeric_limits<double>::quiet_NaN())
        .member("neg0", -0.0)
        .key("list")
        .beginArray()
        .value("x")
        .beginObject()
        .endObject()
        .beginArray()
        .endArray()
        .value(true)
        .endArray()
        .member("big", 1e300)
        .endObject();
    EXPECT_EQ(j.text(), "{\"a\":1,\"b\":0.30000000000000004,\"inf\":null,\"nan\":null,\"neg0\":0,"
                        "\"list\":[\"x\",{},[],true],\"big\":1e+300}");
}

} // namespace
} // namespace veskaro
