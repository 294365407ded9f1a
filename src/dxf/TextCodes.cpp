// Special-character codes and MTEXT inline formatting of DXF texts (Windows-1252).
#include "dxf/TextCodes.h"

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

// Code points of the Windows-1252 bytes 0x80 to 0x9F (0 where the byte is undefined).
constexpr unsigned kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int windows1252Of(unsigned codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == codePoint) return 0x80 + i;
  }
  return -1;
}

// Decodes one UTF-8 sequence at `pos`; its length, or 0 when the bytes are no UTF-8.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, unsigned& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(pos);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(pos + i) & 0x3F);
  }
  const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return 0;
  }
  return length;
}

}  // namespace

std::string TextCodes::windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    unsigned codePoint = 0;
    if (const std::size_t length = decodeUtf8(text, i, codePoint)) {
      const int byte = windows1252Of(codePoint);
      if (byte >= 0) {
        out += static_cast<char>(byte);
      } else if (codePoint <= 0xFFFF) {
        static const char* kHex = "0123456789ABCDEF";
        out += "\\U+";
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(codePoint >> shift) & 0xF];
      } else {
        out += '?';
      }
      i += length;
      continue;
    }
    const bool defined = c >= 0xA0 || kHighControls[c - 0x80] != 0;
    out += defined ? static_cast<char>(c) : '?';
    ++i;
  }
  return out;
}

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
