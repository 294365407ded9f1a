// The text styles of a drawing (the STYLE table): what a text's style adds to its letters.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class DxfLineReader;

// Each style keeps its name, font file, oblique angle and width factor, and whether its
// font is bold or italic (the font flags the CAD program stores beside the font family,
// application "ACAD", group 1071). Texts take the bold, italic and oblique angle of their
// style after the file is read; saving writes the table back so that they keep them.
class TextStyles {
 public:
  // Bits of the ACAD font flags (group 1071).
  enum FontFlag : long {
    kItalicFont = 0x1000000,
    kBoldFont = 0x2000000,
  };

  struct Style {
    std::string name;
    std::string fontFile;         // group 3
    std::string fontFamily;       // the ACAD family name (group 1000), "" when not given
    double obliqueDegrees = 0.0;  // group 50
    double widthFactor = 1.0;     // group 41
    bool bold = false;
    bool italic = false;
  };

  // Reads the groups of one STYLE entry after its type name up to and including the next
  // group code 0 and keeps the style (a later one of the same name replaces it); 0, or
  // `endOfFile` when the data ends first.
  int read(DxfLineReader& in, int endOfFile);
  // The style of that name, letter case ignored; null when there is none.
  const Style* find(const std::string& name) const;
  const std::vector<Style>& styles() const { return styles_; }
  void add(Style style);

  // Writes the STYLE table (the font flags with the application "ACAD").
  void writeTable(std::ostream& out) const;

 private:
  std::vector<Style> styles_;
};
