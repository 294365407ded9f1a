// Binary DXF files turned into ASCII group lines.
#include "dxf/BinaryDxf.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

enum class ValueType { Text, Real, Int16, Int32, Int64, Bool, Chunk };

// The value type of a group code, as the DXF format assigns it by code range.
ValueType typeOf(int code) {
  if (code >= 10 && code <= 59) return ValueType::Real;
  if (code >= 60 && code <= 79) return ValueType::Int16;
  if (code >= 90 && code <= 99) return ValueType::Int32;
  if (code >= 110 && code <= 149) return ValueType::Real;
  if (code >= 160 && code <= 169) return ValueType::Int64;
  if (code >= 170 && code <= 179) return ValueType::Int16;
  if (code >= 210 && code <= 239) return ValueType::Real;
  if (code >= 270 && code <= 289) return ValueType::Int16;
  if (code >= 290 && code <= 299) return ValueType::Bool;
  if (code >= 310 && code <= 319) return ValueType::Chunk;
  if (code >= 370 && code <= 389) return ValueType::Int16;
  if (code >= 400 && code <= 409) return ValueType::Int16;
  if (code >= 420 && code <= 429) return ValueType::Int32;
  if (code >= 440 && code <= 459) return ValueType::Int32;
  if (code >= 460 && code <= 469) return ValueType::Real;
  if (code == 1004) return ValueType::Chunk;
  if (code >= 1010 && code <= 1059) return ValueType::Real;
  if (code >= 1060 && code <= 1070) return ValueType::Int16;
  if (code == 1071) return ValueType::Int32;
  return ValueType::Text;
}

// Reads the file's bytes from front to back; every read fails once the data is used up.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }

  template <class T>
  bool little(T& value) {
    if (bytes_.size() - pos_ < sizeof(T)) return false;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bits |= std::uint64_t{static_cast<unsigned char>(bytes_[pos_ + i])} << (8 * i);
    }
    pos_ += sizeof(T);
    if constexpr (sizeof(T) == 8 && std::is_same_v<T, double>) {
      std::memcpy(&value, &bits, sizeof value);
    } else {
      value = static_cast<T>(bits);
    }
    return true;
  }

  bool text(std::string_view& value) {
    const std::size_t end = bytes_.find('\0', pos_);
    if (end == std::string_view::npos) return false;
    value = bytes_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return true;
  }

  bool chunk(std::string_view& value) {
    std::uint8_t length = 0;
    if (!little(length) || bytes_.size() - pos_ < length) return false;
    value = bytes_.substr(pos_, length);
    pos_ += length;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// Appends one value line for `type`; false when the data ends inside it.
bool appendValue(ByteCursor& in, ValueType type, std::string& out) {
  char number[40];
  int length = 0;
  switch (type) {
    case ValueType::Text: {
      std::string_view text;
      if (!in.text(text)) return false;
      // A line break inside a value would split it into two lines.
      for (char c : text) out += c == '\n' || c == '\r' ? ' ' : c;
      out += '\n';
      return true;
    }
    case ValueType::Chunk: {
      std::string_view chunk;
      if (!in.chunk(chunk)) return false;
      static constexpr char kHex[] = "0123456789ABCDEF";
      for (unsigned char c : chunk) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
      }
      out += '\n';
      return true;
    }
    case ValueType::Real: {
      double value = 0.0;
      if (!in.little(value)) return false;
      // Shortest exact form with a decimal point, whatever the locale.
      length = static_cast<int>(std::to_chars(number, number + sizeof number, value).ptr - number);
      break;
    }
    case ValueType::Int16: {
      std::int16_t value = 0;
      if (!in.little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
    case ValueType::Int32: {
      std::int32_t value = 0;
      if (!in.little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
    case ValueType::Int64: {
      std::int64_t value = 0;
      if (!in.little(value)) return false;
      length = std::snprintf(number, sizeof number, "%lld", static_cast<long long>(value));
      break;
    }
    case ValueType::Bool: {
      std::uint8_t value = 0;
      if (!in.little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
  }
  out.append(number, static_cast<std::size_t>(length));
  out += '\n';
  return true;
}

}  // namespace

bool BinaryDxf::isBinary(std::string_view bytes) { return bytes.substr(0, kSentinel.size()) == kSentinel; }

std::optional<std::string> BinaryDxf::toText(std::string_view bytes) {
  if (!isBinary(bytes)) return std::nullopt;
  const std::string_view body = bytes.substr(kSentinel.size());
  // Every file starts with the group 0 "SECTION": one code byte or two tell the layout.
  constexpr std::string_view kFirstValue{"SECTION\0", 8};
  bool wideCodes;
  if (body.size() < kFirstValue.size() + 2) return std::nullopt;
  if (body.substr(1, kFirstValue.size()) == kFirstValue && body[0] == '\0') {
    wideCodes = false;
  } else if (body.substr(2, kFirstValue.size()) == kFirstValue && body[0] == '\0' &&
             body[1] == '\0') {
    wideCodes = true;
  } else {
    return std::nullopt;
  }
  constexpr std::uint8_t kWideCodeFollows = 255;
  ByteCursor in(body);
  std::string text;
  text.reserve(body.size() * 2);
  while (!in.atEnd()) {
    int code = 0;
    if (wideCodes) {
      std::int16_t wide = 0;
      if (!in.little(wide)) return std::nullopt;
      code = wide;
    } else {
      std::uint8_t narrow = 0;
      if (!in.little(narrow)) return std::nullopt;
      code = narrow;
      if (narrow == kWideCodeFollows) {
        std::int16_t wide = 0;
        if (!in.little(wide)) return std::nullopt;
        code = wide;
      }
    }
    char line[16];
    const int length = std::snprintf(line, sizeof line, "%3d\n", code);
    text.append(line, static_cast<std::size_t>(length));
    if (!appendValue(in, typeOf(code), text)) return std::nullopt;
    // Whatever follows the end of the file is not read, as in ASCII files.
    constexpr std::string_view kEnd{"  0\nEOF\n"};
    if (code == 0 && std::string_view(text).ends_with(kEnd)) break;
  }
  return text;
}
