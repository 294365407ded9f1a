// Binary DXF files turned into ASCII group lines.
#include "dxf/BinaryDxf.h"

#include <charconv>
#include <cstdint>
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

// One-byte group codes announce a two-byte code with this value.
constexpr std::uint8_t kWideCodeFollows = 255;

}  // namespace

bool BinaryDxf::isBinary(std::string_view bytes) {
  return bytes.substr(0, kSentinel.size()) == kSentinel;
}

BinaryDxfStream::BinaryDxfStream(std::string_view bytes) {
  if (!BinaryDxf::isBinary(bytes)) {
    damaged_ = true;
    return;
  }
  data_ = bytes.substr(BinaryDxf::kSentinel.size());
}

BinaryDxfStream::BinaryDxfStream(std::FILE* file) : file_(file) {}

BinaryDxfStream::int_type BinaryDxfStream::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  text_.clear();
  if (!finished_ && !damaged_ && (layoutKnown_ || findLayout())) {
    while (text_.size() < kBlockSize && appendGroup()) {
    }
  }
  if (text_.empty()) return traits_type::eof();
  setg(text_.data(), text_.data(), text_.data() + text_.size());
  return traits_type::to_int_type(*gptr());
}

bool BinaryDxfStream::findLayout() {
  // Every file starts with the group 0 "SECTION": one code byte or two tell the layout.
  constexpr std::string_view kFirstValue{"SECTION\0", 8};
  if (!available(kFirstValue.size() + 2)) {
    damaged_ = true;
    return false;
  }
  const std::string_view body = data_.substr(pos_);
  if (body[0] == '\0' && body.substr(1, kFirstValue.size()) == kFirstValue) {
    wideCodes_ = false;
  } else if (body[0] == '\0' && body[1] == '\0' &&
             body.substr(2, kFirstValue.size()) == kFirstValue) {
    wideCodes_ = true;
  } else {
    damaged_ = true;
    return false;
  }
  layoutKnown_ = true;
  return true;
}

bool BinaryDxfStream::appendGroup() {
  if (!available(1)) {
    finished_ = true;
    return false;
  }
  int code = 0;
  bool complete;
  if (wideCodes_) {
    std::int16_t wide = 0;
    complete = little(wide);
    code = wide;
  } else {
    std::uint8_t narrow = 0;
    complete = little(narrow);
    code = narrow;
    if (complete && narrow == kWideCodeFollows) {
      std::int16_t wide = 0;
      complete = little(wide);
      code = wide;
    }
  }
  char line[16];
  const int length = complete ? std::snprintf(line, sizeof line, "%3d\n", code) : 0;
  text_.append(line, static_cast<std::size_t>(length));
  const std::size_t valueStart = text_.size();
  if (!complete || !appendValue(code)) {
    damaged_ = true;
    return false;
  }
  // Whatever follows the end of the file is not read, as in ASCII files.
  if (code == 0 && std::string_view(text_).substr(valueStart) == "EOF\n") {
    finished_ = true;
    return false;
  }
  return true;
}

bool BinaryDxfStream::appendValue(int code) {
  char number[40];
  int length = 0;
  switch (typeOf(code)) {
    case ValueType::Text: {
      std::string_view text;
      if (!nulEnded(text)) return false;
      // A line break inside a value would split it into two lines.
      for (char c : text) text_ += c == '\n' || c == '\r' ? ' ' : c;
      text_ += '\n';
      return true;
    }
    case ValueType::Chunk: {
      std::string_view chunk;
      if (!lengthPrefixed(chunk)) return false;
      static constexpr char kHex[] = "0123456789ABCDEF";
      for (unsigned char c : chunk) {
        text_ += kHex[c >> 4];
        text_ += kHex[c & 15];
      }
      text_ += '\n';
      return true;
    }
    case ValueType::Real: {
      double value = 0.0;
      if (!little(value)) return false;
      // Shortest exact form with a decimal point, whatever the locale.
      length = static_cast<int>(std::to_chars(number, number + sizeof number, value).ptr - number);
      break;
    }
    case ValueType::Int16: {
      std::int16_t value = 0;
      if (!little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
    case ValueType::Int32: {
      std::int32_t value = 0;
      if (!little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
    case ValueType::Int64: {
      std::int64_t value = 0;
      if (!little(value)) return false;
      length = std::snprintf(number, sizeof number, "%lld", static_cast<long long>(value));
      break;
    }
    case ValueType::Bool: {
      std::uint8_t value = 0;
      if (!little(value)) return false;
      length = std::snprintf(number, sizeof number, "%d", value);
      break;
    }
  }
  text_.append(number, static_cast<std::size_t>(length));
  text_ += '\n';
  return true;
}

bool BinaryDxfStream::available(std::size_t count) {
  while (data_.size() - pos_ < count) {
    if (!refill()) return false;
  }
  return true;
}

bool BinaryDxfStream::refill() {
  if (!file_) return false;
  // The bytes converted already are dropped; what is left moves to the front.
  window_.erase(0, pos_);
  pos_ = 0;
  const std::size_t kept = window_.size();
  window_.resize(kept + kBlockSize);
  const std::size_t got = std::fread(window_.data() + kept, 1, kBlockSize, file_);
  window_.resize(kept + got);
  data_ = window_;
  if (got == 0 && std::ferror(file_)) readError_ = errno != 0 ? errno : EIO;
  return got > 0;
}

template <class T>
bool BinaryDxfStream::little(T& value) {
  if (!available(sizeof(T))) return false;
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    bits |= std::uint64_t{static_cast<unsigned char>(data_[pos_ + i])} << (8 * i);
  }
  pos_ += sizeof(T);
  if constexpr (std::is_same_v<T, double>) {
    std::memcpy(&value, &bits, sizeof value);
  } else {
    value = static_cast<T>(bits);
  }
  return true;
}

bool BinaryDxfStream::nulEnded(std::string_view& value) {
  // Bytes after pos_ looked at so far; a refill moves pos_ but not this count.
  std::size_t searched = 0;
  for (;;) {
    const std::size_t end = data_.find('\0', pos_ + searched);
    if (end != std::string_view::npos) {
      value = data_.substr(pos_, end - pos_);
      pos_ = end + 1;
      return true;
    }
    searched = data_.size() - pos_;
    if (!refill()) return false;
  }
}

bool BinaryDxfStream::lengthPrefixed(std::string_view& value) {
  std::uint8_t length = 0;
  if (!little(length) || !available(length)) return false;
  value = data_.substr(pos_, length);
  pos_ += length;
  return true;
}
