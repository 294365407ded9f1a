// Percent escaping of settings texts.
#include "settings/IniText.h"

#include <cstddef>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool needsEscape(char c) {
  switch (c) {
    case '%':
    case '=':
    case '[':
    case ']':
    case '\n':
    case '\r':
    case ' ':
    case '\t':
    case '\v':
    case '\f': return true;
    default: return false;
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string escapeIniText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (needsEscape(c)) {
      const auto byte = static_cast<unsigned char>(c);
      out += '%';
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string unescapeIniText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
    if (low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}
