// The Windows-1252 table, the UTF-8 decoder and the conversions between the two.
#include "settings/Cp1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80-0x9F; undefined bytes keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr unsigned char kFirstHighControl = 0x80;
constexpr unsigned char kFirstLatin1 = 0xA0;
constexpr char32_t kLastLatin1 = 0xFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // Every character of the code page, and of a "\U+XXXX" escape, lies in the basic
    // multilingual plane.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t cp1252CodePoint(unsigned char byte) {
  if (byte >= kFirstHighControl && byte < kFirstLatin1) {
    return kHighControls[byte - kFirstHighControl];
  }
  return byte;
}

bool cp1252Defines(unsigned char byte) {
  return byte < kFirstHighControl || byte >= kFirstLatin1 ||
         cp1252CodePoint(byte) != static_cast<char32_t>(byte);
}

std::optional<unsigned char> cp1252ByteOf(char32_t codePoint) {
  if (codePoint < kFirstHighControl || (codePoint >= kFirstLatin1 && codePoint <= kLastLatin1)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(kFirstHighControl + i);
  }
  return std::nullopt;
}

std::optional<Utf8Character> decodeUtf8At(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    return Utf8Character{lead, 1};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (length > text.size() - pos) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  if (cp < smallest || cp > kLastCodePoint || (cp >= kFirstSurrogate && cp <= kLastSurrogate)) {
    return std::nullopt;
  }
  return Utf8Character{cp, length};
}

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(c)));
  return out;
}

namespace {

// UTF-8 to Windows-1252; each character the code page cannot hold, and each malformed
// sequence (for its first byte, decoding going on at the next), is left to `missing`,
// which may append a stand-in and returns false to give up.
template <class Missing>
bool convertToCp1252(std::string_view text, std::string& out, Missing missing) {
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::optional<Utf8Character> character = decodeUtf8At(text, pos);
    const std::optional<unsigned char> byte =
        character ? cp1252ByteOf(character->codePoint) : std::nullopt;
    if (byte) {
      out += static_cast<char>(*byte);
    } else if (!missing()) {
      return false;
    }
    pos += character ? character->length : 1;
  }
  return true;
}

}  // namespace

std::string utf8ToCp1252(std::string_view text) {
  std::string out;
  convertToCp1252(text, out, [&out] {
    out += '?';
    return true;
  });
  return out;
}

std::optional<std::string> utf8ToCp1252Exactly(std::string_view text) {
  std::string out;
  if (!convertToCp1252(text, out, [] { return false; })) return std::nullopt;
  return out;
}

bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<Utf8Character> character = decodeUtf8At(text, i);
    if (!character) return false;
    i += character->length;
  }
  return true;
}

std::size_t utf8CutAt(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  constexpr unsigned char kContinuationMask = 0xC0;
  constexpr unsigned char kContinuation = 0x80;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & kContinuationMask) == kContinuation) {
    --end;
  }
  return end;
}
