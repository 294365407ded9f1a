// JSON output of dxftool: structure, escaping and numbers that always parse.
#include "dxftool/JsonWriter.h"

#include <gtest/gtest.h>

#include "support/DecimalCommaLocale.h"

#include <cmath>
#include <limits>
#include <sstream>

using dxftool::JsonWriter;

TEST(JsonWriterStructure, CommasBetweenMembersAndNestedValues) {
  std::ostringstream out;
  JsonWriter json(out);
  json.beginObject();
  json.key("a");
  json.value(1);
  json.key("list");
  json.beginArray();
  json.beginObject();
  json.key("x");
  json.value(true);
  json.endObject();
  json.beginObject();
  json.endObject();
  json.value("t");
  json.endArray();
  json.key("n");
  json.null();
  json.endObject();
  EXPECT_EQ(out.str(), R"({"a": 1, "list": [{"x": true}, {}, "t"], "n": null})");
}

TEST(JsonWriterEscaping, QuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonWriter::quote("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(JsonWriter::quote("l1\nl2\r\t"), R"("l1\nl2\r\t")");
  EXPECT_EQ(JsonWriter::quote(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
  EXPECT_EQ(JsonWriter::quote(std::string("a\0b", 3)), R"("a\u0000b")");
}

TEST(JsonWriterEscaping, ValidUtf8PassesUnchanged) {
  EXPECT_EQ(JsonWriter::quote("\xC3\x84 \xE2\x82\xAC \xF0\x9F\x98\x80"),
            "\"\xC3\x84 \xE2\x82\xAC \xF0\x9F\x98\x80\"");
}

TEST(JsonWriterEscaping, InvalidUtf8BecomesReplacementCharacter) {
  const std::string fffd = "\xEF\xBF\xBD";
  // A lone Windows-1252 byte, an overlong slash, a surrogate and a cut-off sequence.
  EXPECT_EQ(JsonWriter::quote("\xC4"), "\"" + fffd + "\"");
  EXPECT_EQ(JsonWriter::quote("\xC0\xAF"), "\"" + fffd + fffd + "\"");
  EXPECT_EQ(JsonWriter::quote("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");
  EXPECT_EQ(JsonWriter::quote("x\xE2\x82"), "\"x" + fffd + fffd + "\"");
}

TEST(JsonWriterNumbers, ShortestExactFormWithDecimalPoint) {
  testsupport::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << testsupport::kNoDecimalCommaLocale;
  std::ostringstream out;
  JsonWriter json(out);
  json.beginArray();
  json.value(1.5);
  json.value(-0.1);
  json.value(10000.0);
  json.value(1e300);
  json.value(static_cast<long long>(-9007199254740993LL));
  json.endArray();
  EXPECT_EQ(out.str(), "[1.5, -0.1, 10000, 1e+300, -9007199254740993]");
}

TEST(JsonWriterNumbers, NonFiniteValuesBecomeNull) {
  std::ostringstream out;
  JsonWriter json(out);
  json.beginArray();
  json.value(std::numeric_limits<double>::quiet_NaN());
  json.value(std::numeric_limits<double>::infinity());
  json.value(-std::numeric_limits<double>::infinity());
  json.endArray();
  EXPECT_EQ(out.str(), "[null, null, null]");
}
