// The Windows-1252 code page of the drawing's texts: its one table and the one UTF-8
// decoder, and the conversions to and from the UTF-8 that GTK and Pango take.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. Every byte maps to exactly one character, so nothing is
// lost: 0x00-0x7F stay, 0xA0-0xFF become U+00A0-U+00FF, 0x80-0x9F take the code page's
// characters (0x80 is the euro sign). The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so a
// text read from a file survives a round trip through the user interface unchanged.
std::string cp1252ToUtf8(std::string_view text);

// Appends the UTF-8 form of one character of the basic multilingual plane (up to U+FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// UTF-8 back to Windows-1252 (texts typed into the user interface). Characters the code
// page cannot hold, and malformed UTF-8 sequences, become '?'.
std::string utf8ToCp1252(std::string_view text);
// The same, but nothing when any character is lost that way.
std::optional<std::string> utf8ToCp1252Exactly(std::string_view text);

// The character of a code page byte; an undefined byte gives the control character of the
// same number.
char32_t cp1252CodePoint(unsigned char byte);

// False for the five bytes the code page leaves undefined.
bool cp1252Defines(unsigned char byte);

// The code page byte of a character, the undefined bytes' control characters included;
// nothing when the code page has no such character.
std::optional<unsigned char> cp1252ByteOf(char32_t codePoint);

// One well-formed UTF-8 sequence: the character and the number of bytes it takes.
struct Utf8Character {
  char32_t codePoint;
  std::size_t length;
};

// The UTF-8 sequence starting at text[pos]; nothing when the bytes there are no
// well-formed UTF-8 (a stray or missing continuation byte, a sequence cut off by the end
// of the text, an overlong form, a surrogate half, a value beyond U+10FFFF).
std::optional<Utf8Character> decodeUtf8At(std::string_view text, std::size_t pos);

// True when the whole text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);
// The longest start of UTF-8 `text` of at most `limit` bytes that ends between characters.
std::size_t utf8CutAt(std::string_view text, std::size_t limit);
