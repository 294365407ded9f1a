// The ASCII DXF line protocol: buffered line reading, group code recognisers, numbers.
#include "dxf/GroupLines.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <istream>
#include <ostream>
#include <utility>

namespace {

// Bytes fetched from a file or stream per refill.
constexpr std::size_t kBlockSize = 64 * 1024;

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The "C" locale for the rare strtod fallback, created once.
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// parseReal for the text from `text` to `end`; `terminated` is the same text ended by a
// NUL, for strtod.
double realOf(const char* text, const char* end, const char* terminated) {
  const char* p = text;
  while (p != end && isSpace(*p)) ++p;
  const char* const number = p;
  if (p != end && (*p == '+' || *p == '-')) ++p;
  if (*number == '+' && p != end && (*p == '+' || *p == '-')) return 0.0;
  // Hexadecimal numbers are left to strtod. from_chars takes no '+' but reads every other
  // number ("inf" and "nan" too) exactly as strtod does, and faster; only what it finds out
  // of range is left to strtod as well.
  if (!(end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))) {
    const char* const start = *number == '+' ? p : number;
    double value = 0.0;
    const auto result = std::from_chars(start, end, value);
    if (result.ec == std::errc()) return value;
    if (result.ec != std::errc::result_out_of_range) return 0.0;
  }
  return strtod_l(terminated, nullptr, cLocale());
}

}  // namespace

DxfLineReader DxfLineReader::openFile(const std::filesystem::path& path) {
  DxfLineReader reader;
  reader.file_.reset(std::fopen(path.c_str(), "rb"));
  reader.open_ = reader.file_ != nullptr;
  if (reader.open_) reader.block_.resize(kBlockSize);
  return reader;
}

DxfLineReader DxfLineReader::fromFile(std::FILE* file) {
  DxfLineReader reader;
  reader.file_.reset(file);
  reader.open_ = file != nullptr;
  if (reader.open_) reader.block_.resize(kBlockSize);
  return reader;
}

DxfLineReader DxfLineReader::fromBytes(std::string_view bytes) {
  DxfLineReader reader;
  reader.pos_ = bytes.data();
  reader.end_ = bytes.data() + bytes.size();
  return reader;
}

DxfLineReader DxfLineReader::fromString(std::string text) {
  DxfLineReader reader;
  // A vector keeps its buffer when the reader is moved, so pos_ and end_ stay valid.
  reader.block_.assign(text.begin(), text.end());
  reader.pos_ = reader.block_.data();
  reader.end_ = reader.block_.data() + reader.block_.size();
  return reader;
}

DxfLineReader DxfLineReader::fromStream(std::istream& in) {
  DxfLineReader reader;
  reader.stream_ = &in;
  reader.block_.resize(kBlockSize);
  return reader;
}

DxfLineReader::DxfLineReader(DxfLineReader&& other) noexcept { *this = std::move(other); }

DxfLineReader& DxfLineReader::operator=(DxfLineReader&& other) noexcept {
  if (this == &other) return *this;
  file_ = std::move(other.file_);
  stream_ = std::exchange(other.stream_, nullptr);
  block_ = std::move(other.block_);
  pos_ = std::exchange(other.pos_, nullptr);
  end_ = std::exchange(other.end_, nullptr);
  std::copy(std::begin(other.line_), std::end(other.line_), std::begin(line_));
  length_ = other.length_;
  lineNumber_ = other.lineNumber_;
  open_ = other.open_;
  eof_ = other.eof_;
  readError_ = other.readError_;
  return *this;
}

DxfLineReader::~DxfLineReader() = default;

bool DxfLineReader::refill() {
  std::size_t got = 0;
  if (file_) {
    got = std::fread(block_.data(), 1, block_.size(), file_.get());
    if (got == 0 && std::ferror(file_.get())) readError_ = errno != 0 ? errno : EIO;
  } else if (stream_) {
    stream_->read(block_.data(), static_cast<std::streamsize>(block_.size()));
    got = static_cast<std::size_t>(stream_->gcount());
  }
  if (got == 0) return false;
  pos_ = block_.data();
  end_ = block_.data() + got;
  return true;
}

bool DxfLineReader::atEnd() { return pos_ == end_ && !refill(); }

const char* DxfLineReader::readLineSlow(std::size_t longest) {
  length_ = 0;
  std::size_t rawLength = 0;  // bytes before the newline, carriage return included
  bool endsWithCr = false;
  ++lineNumber_;
  for (;;) {
    if (pos_ == end_ && !refill()) {
      eof_ = true;
      break;
    }
    const auto* newline =
        static_cast<const char*>(std::memchr(pos_, '\n', static_cast<std::size_t>(end_ - pos_)));
    const char* stop = newline ? newline : end_;
    const auto count = static_cast<std::size_t>(stop - pos_);
    if (count > 0) {
      // Only the first `longest` bytes are kept; the rest of an overlong line is skipped.
      const std::size_t take = std::min(count, longest - length_);
      std::memcpy(line_ + length_, pos_, take);
      length_ += take;
      rawLength += count;
      endsWithCr = stop[-1] == '\r';
    }
    if (newline) {
      pos_ = newline + 1;
      break;
    }
    pos_ = end_;
  }
  // The carriage return is stored only when the whole line fitted.
  if (endsWithCr && rawLength <= longest) --length_;
  line_[length_] = '\0';
  return line_;
}

bool matchCode(const char* line, int code) {
  const char* rest = line;
  while (*rest == ' ') ++rest;
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, code);
  const auto size = static_cast<std::size_t>(result.ptr - digits);
  if (std::strncmp(rest, digits, size) != 0) return false;
  rest += size;
  while (*rest == ' ') ++rest;
  return *rest == '\0';
}

int groupCodeOfOddLine(const char* line, GroupCodeVariant variant) {
  const int value = parseInt(line);
  if (line[0] != ' ') {
    const bool entityCode = value == 100 || value == 210 || value == 220 || value == 230;
    return variant == GroupCodeVariant::Entity && entityCode ? value : -1;
  }
  if (value != 0) return value;
  if (variant == GroupCodeVariant::LinetypeDimension) {
    for (const char* p = line + 1; *p; ++p) {
      if (*p != '0' && *p != ' ') return -1;
    }
    return 0;
  }
  return std::strchr(line, '0') ? 0 : -1;
}

double parseReal(const char* text) { return realOf(text, text + std::strlen(text), text); }

double DxfLineReader::readReal() {
  const char* const source = pos_;
  const bool quick = readQuick();
  if (!quick) readLineSlow(kMaxLineLength);
  // A line read the quick way still stands whole in the block, ended by its carriage return
  // or newline, and is read from there (see readGroupCode).
  const char* const text = quick ? source : line_;
  return realOf(text, text + length_, line_);
}

int parseInt(const char* text) {
  const char* p = text;
  while (isSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    // Further digits cannot bring the value back into range.
    if (value > static_cast<long long>(INT_MAX) + 1) {
      value = static_cast<long long>(INT_MAX) + 1;
    }
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void writeGroupCode(std::ostream& out, int code) {
  char text[16];
  const int n = std::snprintf(text, sizeof text, "%3d\n", code);
  out.write(text, n);
}
