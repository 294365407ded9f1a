// Conversion between the drawing's Windows-1252 text and the UTF-8 that GTK and Pango take.
#pragma once

#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. Every byte maps to exactly one character, so nothing is
// lost: 0x00-0x7F stay, 0xA0-0xFF become U+00A0-U+00FF, 0x80-0x9F take the code page's
// characters (0x80 is the euro sign). The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so a
// text read from a file survives a round trip through the user interface unchanged.
std::string cp1252ToUtf8(std::string_view text);

// UTF-8 back to Windows-1252 (texts typed into the user interface). Characters the code
// page cannot hold, and malformed UTF-8 sequences, become '?'.
std::string utf8ToCp1252(std::string_view text);
