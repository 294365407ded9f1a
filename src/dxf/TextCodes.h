// Special-character codes and MTEXT inline formatting of DXF texts (Windows-1252).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Conversions between the texts of a DXF file and the texts the viewer shows and keeps.
// All texts are Windows-1252 bytes.
class TextCodes {
 public:
  static constexpr char kDiameter = '\xD8';   // Ø
  static constexpr char kDegree = '\xB0';     // °
  static constexpr char kPlusMinus = '\xB1';  // ±

  // Every "\U+2205", "%%c" and "%%C" becomes Ø, every "%%d", "%%D" becomes °, every
  // "%%p", "%%P" becomes ± (the hex digits in either case); any other "\U+XXXX" escape of
  // a printable character of the code page becomes that character. Escapes of characters
  // the code page lacks stay, so that a save writes them back.
  static std::string decodeSpecials(std::string_view text);

  // A drawing's text as UTF-8 for drawing: like cp1252ToUtf8, but "\U+XXXX" escapes of
  // printable characters become those characters.
  static std::string utf8ForDrawing(std::string_view text);

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

  // The shown lines of an MTEXT value, inline formatting removed (dxf/MTextRuns.h): every
  // paragraph and column ends a line, blanks and non-breaking blanks are ' ', tabs '\t'.
  static std::vector<std::string> mtextLines(std::string_view text);
};
