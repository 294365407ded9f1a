// What a leader takes from its dimension style: arrowhead and hook line sizes.
#include "document/LeaderStyles.h"

#include <cctype>
#include <cmath>

namespace {

enum DimensionVariable : int {
  kDimScale = 40,
  kArrowSize = 41,
  kTextAbove = 77,
  kTextHeight = 140,
  kGap = 147,
  kLeaderArrowBlock = 341,
};

// Names and handles compare without regard to letter case, without surrounding blanks.
std::string key(const char* text) {
  std::string result;
  for (const char* p = text; *p; ++p) {
    result += static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  }
  const auto first = result.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return result.substr(first, result.find_last_not_of(' ') - first + 1);
}

double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

// Hands every group of a table record to take(code, value), up to the next group code 0;
// false when the file ends first.
template <class Take>
bool readRecord(DxfLineReader& in, Take take) {
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return false;
    if (code == 0) return true;
    take(code, in.readLine());
  }
}

}  // namespace

void LeaderStyle::take(int code, const char* value) {
  switch (code) {
    case kDimScale: scale = finiteOr(parseReal(value), scale); break;
    case kArrowSize: arrowSize = std::fabs(finiteOr(parseReal(value), arrowSize)); break;
    case kGap: gap = finiteOr(parseReal(value), gap); break;
    case kTextHeight: textHeight = std::fabs(finiteOr(parseReal(value), textHeight)); break;
    case kTextAbove: textAbove = parseInt(value); break;
    case kLeaderArrowBlock: arrowBlock = key(value); break;
    default: break;
  }
}

bool LeaderStyles::readStyle(DxfLineReader& in) {
  LeaderStyle style;
  std::string name;
  const bool complete = readRecord(in, [&](int code, const char* value) {
    if (code == 2) {
      name = key(value);
    } else {
      style.take(code, value);
    }
  });
  if (!complete) return false;
  if (!name.empty()) styles_[name] = style;
  return true;
}

bool LeaderStyles::readBlockRecord(DxfLineReader& in) {
  std::string handle;
  std::string name;
  const bool complete = readRecord(in, [&](int code, const char* value) {
    if (code == 5) handle = key(value);
    if (code == 2) name = value;
  });
  if (!complete) return false;
  if (!handle.empty() && !name.empty()) blockNames_[handle] = name;
  return true;
}

LeaderStyle LeaderStyles::find(const std::string& name) const {
  const auto found = styles_.find(key(name.c_str()));
  return found == styles_.end() ? LeaderStyle{} : found->second;
}

std::string LeaderStyles::blockName(const std::string& handle) const {
  const auto found = blockNames_.find(key(handle.c_str()));
  return found == blockNames_.end() ? std::string() : found->second;
}
