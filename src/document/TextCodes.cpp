// Special-character codes and MTEXT inline formatting of DXF texts (Windows-1252).
#include "TextCodes.h"

#include <cstring>

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code point of a "\U+XXXX" escape at `pos`, or -1 when there is none.
long unicodeEscapeAt(std::string_view text, std::size_t pos) {
  if (pos + 7 > text.size() || text[pos] != '\\' || text[pos + 1] != 'U' ||
      text[pos + 2] != '+') {
    return -1;
  }
  long value = 0;
  for (std::size_t i = pos + 3; i < pos + 7; ++i) {
    const int digit = hexValue(text[i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

// The Windows-1252 character of a special code letter ('c', 'd', 'p'), or 0.
char specialOfLetter(char letter) {
  switch (letter) {
    case 'c':
    case 'C':
      return TextCodes::kDiameter;
    case 'd':
    case 'D':
      return TextCodes::kDegree;
    case 'p':
    case 'P':
      return TextCodes::kPlusMinus;
    default:
      return 0;
  }
}

char specialOfCodePoint(long codePoint) {
  switch (codePoint) {
    case 0x2205:
      return TextCodes::kDiameter;
    case 0x00B0:
      return TextCodes::kDegree;
    case 0x00B1:
      return TextCodes::kPlusMinus;
    default:
      return 0;
  }
}

// Codes whose argument runs up to and including the next semicolon.
bool isSemicolonCode(char c) { return c != '\0' && std::strchr("fFHCcAWQTp", c) != nullptr; }

// Switches of underline, overline and strike-through.
bool isSwitchCode(char c) { return c != '\0' && std::strchr("LlOoKk", c) != nullptr; }

}  // namespace

std::string TextCodes::decodeSpecials(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '%' && i + 2 < text.size() && text[i + 1] == '%') {
      if (const char special = specialOfLetter(text[i + 2])) {
        out += special;
        i += 3;
        continue;
      }
    }
    if (const char special = specialOfCodePoint(unicodeEscapeAt(text, i))) {
      out += special;
      i += 7;
      continue;
    }
    out += text[i++];
  }
  return out;
}

std::string TextCodes::encodeSpecials(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == kDiameter) {
      out += "%%c";
    } else if (c == kDegree) {
      out += "%%d";
    } else if (c == kPlusMinus) {
      out += "%%p";
    } else {
      out += c;
    }
  }
  return out;
}

std::string TextCodes::stripMTextFormatting(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    const char c = text[i];
    if (c == '{' || c == '}') {
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 >= n) {
      out += c;
      ++i;
      continue;
    }
    const char code = text[i + 1];
    if (code == 'P' || code == 'N' || code == '~') {
      out += ' ';
      i += 2;
    } else if (code == '\\' || code == '{' || code == '}') {
      out += code;
      i += 2;
    } else if (isSwitchCode(code)) {
      i += 2;
    } else if (isSemicolonCode(code)) {
      const std::size_t end = text.find(';', i + 2);
      i = end == std::string_view::npos ? n : end + 1;
    } else if (code == 'S') {
      // A stacked fraction shows its two parts with a slash between them.
      const std::size_t end = text.find(';', i + 2);
      const std::size_t stop = end == std::string_view::npos ? n : end;
      for (std::size_t k = i + 2; k < stop; ++k) {
        const char s = text[k];
        out += (s == '^' || s == '#') ? '/' : s;
      }
      i = end == std::string_view::npos ? n : end + 1;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}
