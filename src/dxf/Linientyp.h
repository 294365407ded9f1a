// One entry of the DXF LTYPE table, kept only to be written out again.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class DxfLineReader;

// A linetype definition: its dash pattern (group 49 elements) and the texts its elements
// carry (complex linetypes), which the drawing hands to the painter; it is also written so
// that saved drawings keep it.
class Linientyp {
 public:
  // Group 74 bits of an element: its rotation is absolute rather than along the line; it
  // carries a text; it carries a shape (of a shape file, which is not drawn).
  static constexpr std::int32_t kAbsoluteRotation = 1;
  static constexpr std::int32_t kCarriesText = 2;
  static constexpr std::int32_t kCarriesShape = 4;

  // A text an element carries, placed from where the element begins, in drawing units
  // before any linetype scale.
  struct ElementText {
    int element = 0;         // the group 49 element it belongs to (0-based)
    std::int32_t flags = 0;  // group 74
    double scale = 1.0;      // group 46: the text's height
    double rotation = 0.0;   // group 50, degrees
    double offsetX = 0.0;    // group 44, along the line
    double offsetY = 0.0;    // group 45, across it (to the left)
    std::string text;        // group 9 as read
  };

  static constexpr int kTextSize = 100;
  static constexpr int kMaxElements = 50;

  // End-of-file code of read().
  static constexpr int kEndOfFile = -37;

  // Defaults: name "LTYPE", description "LTYPE_DESCRIPTION", no elements.
  Linientyp();
  // Copies name, description, flags, elementCount, patternLength and the first
  // elementCount elements (at most kMaxElements).
  Linientyp(const Linientyp& other);
  Linientyp& operator=(const Linientyp& other);

  // Linetype name (group 2).
  const char* name() const { return name_; }
  // Description (group 3).
  const char* description() const { return description_; }
  // Flags (group 70).
  std::int32_t flags() const { return flags_; }
  // Element count as given by group 73 (not the number of group 49 lines read).
  std::int32_t elementCount() const { return elementCount_; }
  // Total pattern length (group 40) as the text read.
  const char* patternLength() const { return patternLength_; }
  // Number of group 49 values stored, at most kMaxElements.
  int storedElements() const { return storedElements_; }
  // Group 49 value number i (0-based) as text; "" outside the stored ones.
  const char* element(int i) const;
  // The texts the elements carry, in element order.
  const std::vector<ElementText>& elementTexts() const { return texts_; }

  // Reads the entry's group pairs after the line "LTYPE" up to and including the next
  // group code 0; 0, or kEndOfFile when the data ends first.
  int read(DxfLineReader& in);
  // Writes the entry from its type name "LTYPE" to its closing "  0"; returns 0.
  int write(std::ostream& out) const;

 private:
  char name_[kTextSize];
  char description_[kTextSize];
  std::int32_t flags_ = 0;
  std::int32_t elementCount_ = 0;
  char patternLength_[kTextSize];
  char elements_[kMaxElements][kTextSize];
  int storedElements_ = 0;
  std::vector<ElementText> texts_;
};
