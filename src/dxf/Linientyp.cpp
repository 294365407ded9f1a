// One entry of the DXF LTYPE table, kept only to be written out again.
#include "dxf/Linientyp.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "dxf/GroupLines.h"

namespace {

// A pattern length as written: the text read when it is a number, else the number it
// starts with ("0.0" for an empty or missing value), since other DXF readers refuse a
// file whose pattern holds a value line without a number.
std::string patternNumber(const char* text) {
  std::string_view value(text);
  const auto first = value.find_first_not_of(' ');
  value = first == std::string_view::npos ? std::string_view() : value.substr(first);
  value = value.substr(0, value.find_last_not_of(' ') + 1);
  double number = 0.0;
  const auto whole = std::from_chars(value.data(), value.data() + value.size(), number);
  if (!value.empty() && whole.ec == std::errc() && whole.ptr == value.data() + value.size()) {
    return std::string(text);
  }
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, parseReal(text));
  std::string result(digits, written.ptr);
  if (result.find_first_not_of("-0123456789") == std::string::npos) result += ".0";
  return result;
}

}  // namespace

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
  const int copied =
      std::min(std::clamp(other.elementCount_, 0, kMaxElements), other.storedElements_);
  for (int i = 0; i < kMaxElements; ++i) {
    copyField(elements_[i], i < copied ? other.elements_[i] : "");
  }
  storedElements_ = copied;
  texts_ = other.texts_;
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
      case 74: {
        // The flags of the element read last; a text or shape element gets its details.
        const std::int32_t flags = parseInt(in.readLine());
        if ((flags & (kCarriesText | kCarriesShape)) != 0 && storedElements_ > 0) {
          texts_.push_back({storedElements_ - 1, flags, 1.0, 0.0, 0.0, 0.0, {}});
        }
        break;
      }
      case 46:
      case 50:
      case 44:
      case 45:
      case 9: {
        const char* value = in.readLine();
        const bool forLast = !texts_.empty() && texts_.back().element == storedElements_ - 1;
        if (!forLast) break;
        ElementText& text = texts_.back();
        if (code == 9) {
          text.text = value;
        } else {
          double& field = code == 46   ? text.scale
                          : code == 50 ? text.rotation
                          : code == 44 ? text.offsetX
                                       : text.offsetY;
          field = parseReal(value);
        }
        break;
      }
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
  out << " 72\n65\n 73\n" << elementCount_ << "\n 40\n" << patternNumber(patternLength_) << '\n';
  // At most the table's room; elements named by the count but never read are 0.0.
  const int written = std::clamp(elementCount_, 0, kMaxElements);
  for (int i = 0; i < written; ++i) out << " 49\n" << patternNumber(element(i)) << '\n';
  out << "  0\n";
  return 0;
}
