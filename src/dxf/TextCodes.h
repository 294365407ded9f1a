// Special-character codes and MTEXT inline formatting of DXF texts (Windows-1252).
#pragma once

#include <string>
#include <string_view>

// Conversions between the texts of a DXF file and the texts the viewer shows and keeps.
// All texts are Windows-1252 bytes.
class TextCodes {
 public:
  static constexpr char kDiameter = '\xD8';  // Ø
  static constexpr char kDegree = '\xB0';    // °
  static constexpr char kPlusMinus = '\xB1';  // ±

  // Every "\U+2205", "%%c" and "%%C" becomes Ø, every "\U+00B0", "%%d", "%%D" becomes °,
  // every "\U+00B1", "%%p", "%%P" becomes ± (the hex digits in either case).
  static std::string decodeSpecials(std::string_view text);

  // Every Ø, ° and ± becomes "%%c", "%%d" and "%%p", so that any CAD program shows them.
  static std::string encodeSpecials(std::string_view text);

  // Text of a file that stores UTF-8 (release 2007 and later) in Windows-1252: characters
  // of that code page become their byte, others the DXF escape "\U+XXXX" (a "?" beyond
  // U+FFFF); bytes that are no UTF-8 stay as they are unless Windows-1252 leaves them
  // undefined, which become "?".
  static std::string windows1252FromUtf8(std::string_view text);

  // The text as one value line of a file: cut to kMaxTextLineLength characters, before a
  // special-character code ("%%c") or "\U+XXXX" escape that the cut would split.
  static std::string_view valueLine(std::string_view text);

  // The shown text of an MTEXT value: inline formatting removed.
  // - "\P" (paragraph), "\N" (column break) and "\~" (non-breaking space) become a blank;
  // - "\\", "\{", "\}" stay as the escaped character;
  // - unescaped braces, the switches "\L \l \O \o \K \k" and the codes running up to a
  //   semicolon ("\f", "\F", "\H", "\C", "\c", "\A", "\W", "\Q", "\T", "\p") disappear;
  // - a stacked fraction "\S1/2;" keeps its numbers: "1/2" ('^' and '#' also become '/');
  // - "\U+" and "\M+" character codes and anything unknown stay as written.
  static std::string stripMTextFormatting(std::string_view text);
};
