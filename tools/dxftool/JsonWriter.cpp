// Streams one JSON value with correct commas, escaping and number format.
#include "dxftool/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace dxftool {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when it is not valid
// (overlong forms, surrogates and code points above U+10FFFF are refused).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string JsonWriter::quote(std::string_view utf8) {
  static const char* const kHex = "0123456789abcdef";
  std::string quoted;
  quoted.reserve(utf8.size() + 2);
  quoted += '"';
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0x80) {
      const std::size_t length = utf8SequenceLength(utf8, i);
      if (length == 0) {
        quoted += "\xEF\xBF\xBD";  // U+FFFD replacement character
        ++i;
      } else {
        quoted.append(utf8.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\n': quoted += "\\n"; break;
      case '\r': quoted += "\\r"; break;
      case '\t': quoted += "\\t"; break;
      case '\b': quoted += "\\b"; break;
      case '\f': quoted += "\\f"; break;
      default:
        if (c < 0x20) {
          quoted += "\\u00";
          quoted += kHex[c >> 4];
          quoted += kHex[c & 0xF];
        } else {
          quoted += static_cast<char>(c);
        }
    }
    ++i;
  }
  quoted += '"';
  return quoted;
}

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasMember_.empty()) {
    if (hasMember_.back()) out_ << ", ";
    hasMember_.back() = true;
  }
}

void JsonWriter::open(char bracket) {
  separate();
  out_ << bracket;
  hasMember_.push_back(false);
}

void JsonWriter::close(char bracket) {
  if (!hasMember_.empty()) hasMember_.pop_back();
  out_ << bracket;
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
  separate();
  out_ << quote(name) << ": ";
  afterKey_ = true;
}

void JsonWriter::value(std::string_view utf8) {
  separate();
  out_ << quote(utf8);
}

void JsonWriter::value(double number) {
  if (!std::isfinite(number)) {
    null();
    return;
  }
  separate();
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  out_.write(buffer, result.ptr - buffer);
}

void JsonWriter::value(long long number) {
  separate();
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  out_.write(buffer, result.ptr - buffer);
}

void JsonWriter::value(bool flag) {
  separate();
  out_ << (flag ? "true" : "false");
}

void JsonWriter::null() {
  separate();
  out_ << "null";
}

}  // namespace dxftool
