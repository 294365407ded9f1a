// Special-character codes and MTEXT inline formatting of DXF texts (Windows-1252).
#include "dxf/TextCodes.h"

#include <optional>

#include "settings/Cp1252.h"
#include "dxf/GroupLines.h"
#include "dxf/MTextRuns.h"

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code point of a "\U+XXXX" escape at `pos`, or -1 when there is none.
long unicodeEscapeAt(std::string_view text, std::size_t pos) {
  if (pos + 7 > text.size() || text[pos] != '\\' || text[pos + 1] != 'U' || text[pos + 2] != '+') {
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
    case 'C': return TextCodes::kDiameter;
    case 'd':
    case 'D': return TextCodes::kDegree;
    case 'p':
    case 'P': return TextCodes::kPlusMinus;
    default: return 0;
  }
}

// The first code point of a printable character.
constexpr long kFirstPrintable = 0x20;
constexpr long kFirstSurrogate = 0xD800;
constexpr long kLastSurrogate = 0xDFFF;

bool printable(long codePoint) {
  return codePoint >= kFirstPrintable &&
         !(codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate);
}

// The code page byte an escape stands for, or 0 when the code page lacks it.
char byteOfCodePoint(long codePoint) {
  if (codePoint == 0x2205) return TextCodes::kDiameter;  // the diameter sign shows as Ø
  if (!printable(codePoint)) return 0;
  const std::optional<unsigned char> byte = cp1252ByteOf(static_cast<char32_t>(codePoint));
  return byte && cp1252Defines(*byte) ? static_cast<char>(*byte) : 0;
}

}  // namespace

std::string TextCodes::windows1252FromUtf8(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  constexpr char32_t kLastEscaped = 0xFFFF;
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::optional<Utf8Character> character = decodeUtf8At(text, i);
    if (!character) {
      out += cp1252Defines(c) ? static_cast<char>(c) : '?';
      ++i;
      continue;
    }
    // The control characters of the undefined bytes are no characters of the code page.
    const std::optional<unsigned char> byte = cp1252ByteOf(character->codePoint);
    if (byte && cp1252Defines(*byte)) {
      out += static_cast<char>(*byte);
    } else if (character->codePoint <= kLastEscaped) {
      out += "\\U+";
      for (int shift = 12; shift >= 0; shift -= 4) {
        out += kHex[(character->codePoint >> shift) & 0xF];
      }
    } else {
      out += '?';
    }
    i += character->length;
  }
  return out;
}

std::string_view TextCodes::valueLine(std::string_view text) {
  constexpr std::size_t kLongestCode = 7;  // "\U+XXXX"
  if (text.size() <= kMaxTextLineLength) return text;
  const std::size_t cut = kMaxTextLineLength;
  for (std::size_t start = cut - (kLongestCode - 1); start < cut; ++start) {
    const bool special = start + 2 < text.size() && text[start] == '%' && text[start + 1] == '%' &&
                         specialOfLetter(text[start + 2]) != 0 && start + 3 > cut;
    const bool escape = unicodeEscapeAt(text, start) >= 0 && start + kLongestCode > cut;
    if (special || escape) return text.substr(0, start);
  }
  return text.substr(0, cut);
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
    if (const char special = byteOfCodePoint(unicodeEscapeAt(text, i))) {
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

std::string TextCodes::utf8ForDrawing(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  std::size_t i = 0;
  while (i < text.size()) {
    const long codePoint = unicodeEscapeAt(text, i);
    if (printable(codePoint)) {
      appendUtf8(out, static_cast<char32_t>(codePoint));
      i += 7;
    } else {
      appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(text[i++])));
    }
  }
  return out;
}

std::vector<std::string> TextCodes::mtextLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const MTextParagraph& paragraph : MTextRuns::parse(text, MTextFormat{})) {
    lines.push_back(MTextRuns::plainText(paragraph));
  }
  return lines;
}
