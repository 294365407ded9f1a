// One entry of the DXF LTYPE table, kept only to be written out again.
#include "dxf/Linientyp.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "dxf/GroupLines.h"

Linientyp::Linientyp() {
  copyField(name_, "LTYPE");
  copyField(description_, "LTYPE_DESCRIPTION");
  copyField(patternLength_, "");
  for (auto& element : elements_) element[0] = '\0';
}

Linientyp::Linientyp(const Linientyp& other) : Linientyp() { *this = other; }

Linientyp& Linientyp::operator=(const Linientyp& other) {
  if (this == &other) return *this;
  copyField(name_, other.name_);
  copyField(description_, other.description_);
  flags_ = other.flags_;
  elementCount_ = other.elementCount_;
  copyField(patternLength_, other.patternLength_);
  const int copied = std::min(std::clamp(other.elementCount_, 0, kMaxElements),
                              other.storedElements_);
  for (int i = 0; i < kMaxElements; ++i) {
    copyField(elements_[i], i < copied ? other.elements_[i] : "");
  }
  storedElements_ = copied;
  return *this;
}

const char* Linientyp::element(int i) const {
  return i >= 0 && i < storedElements_ ? elements_[i] : "";
}

int Linientyp::read(DxfLineReader& in) {
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    const int code = groupCode(line, GroupCodeVariant::LinetypeDimension);
    if (code == 0) break;
    switch (code) {
      case 2: copyField(name_, in.readLine()); break;
      case 3: copyField(description_, in.readLine()); break;
      case 40: copyField(patternLength_, in.readLine()); break;
      case 49: {
        // Elements beyond the table's room are read and dropped.
        const char* value = in.readLine();
        if (storedElements_ < kMaxElements) copyField(elements_[storedElements_++], value);
        break;
      }
      case 70: flags_ = parseInt(in.readLine()); break;
      case 73: elementCount_ = parseInt(in.readLine()); break;
      default:
        // Every code line is followed by its value line, which is never a code.
        in.readLine();
        break;
    }
  }
  if (std::strcmp(name_, "DIVIDE") == 0) copyField(name_, "GETRENNT");
  return 0;
}

int Linientyp::write(std::ostream& out) const {
  out << "LTYPE\n  2\n" << name_ << "\n  70\n" << flags_ << "\n  3\n" << description_ << '\n';
  // A pattern length read empty is written as a number, which the group requires.
  out << " 72\n65\n 73\n" << elementCount_ << "\n 40\n"
      << (patternLength_[0] != '\0' ? patternLength_ : "0.0") << '\n';
  // At most the table's room; elements named by the count but never read are empty.
  const int written = std::clamp(elementCount_, 0, kMaxElements);
  for (int i = 0; i < written; ++i) out << " 49\n" << element(i) << '\n';
  out << "  0\n";
  return 0;
}
