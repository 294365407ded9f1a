// The ASCII DXF line protocol: buffered line reading, group code recognisers, numbers.
#include "dxf/GroupLines.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <utility>

namespace {

// Bytes fetched from a file or stream per refill.
constexpr std::size_t kBlockSize = 64 * 1024;

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Exact powers of ten: every one up to 10^22 is a double without rounding.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
// Integers up to 2^53 are doubles without rounding.
constexpr std::uint64_t kMaxExactInteger = std::uint64_t{1} << 53;

// The x87 extended format: long double with a 64-bit significand, stored first (as on
// x86). Elsewhere the long reals take the general road.
constexpr bool kExtendedLongDouble = std::numeric_limits<long double>::digits == 64 &&
                                     sizeof(long double) >= 10 &&
                                     std::endian::native == std::endian::little;
// Exact powers of ten in that format: up to 10^27 (5^27 < 2^64).
constexpr long double kExactExtendedPowersOfTen[] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr int kMaxExactExtendedPower = 27;

// The double nearest to m * 10^e for the mantissas too long for a double (the 16 to 19
// significant digits of full-precision reals). m and 10^e are exact in the extended format,
// so its one rounded product or quotient r lies within half a unit of its 64th bit from the
// exact value x. No point halfway between two doubles can lie strictly between x and r (it
// has 54 bits and would be nearer to x than r), so r rounds to the double x rounds to,
// unless r is such a halfway point itself (its lowest 11 bits 10000000000): that case, like
// every exponent out of reach, is left to the general road.
std::optional<double> extendedQuotient(std::uint64_t mantissa, int exponent) {
  if constexpr (kExtendedLongDouble) {
    if (exponent < -kMaxExactExtendedPower || exponent > kMaxExactExtendedPower) {
      return std::nullopt;
    }
    const auto exact = static_cast<long double>(mantissa);
    const long double rounded = exponent < 0 ? exact / kExactExtendedPowersOfTen[-exponent]
                                             : exact * kExactExtendedPowersOfTen[exponent];
    std::uint64_t significand;
    std::memcpy(&significand, &rounded, sizeof significand);
    if ((significand & 0x7FF) == 0x400) return std::nullopt;
    return static_cast<double>(rounded);
  } else {
    return std::nullopt;
  }
}

// Appends the digits from `p` on to `value` and returns where they end. Past 19 digits the
// value wraps around; callers count the digits and never use such a value.
const char* takeDigits(const char* p, std::uint64_t& value) {
  for (unsigned digit; (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10; ++p) {
    value = value * 10 + digit;
  }
  return p;
}

// The fast road for the ordinary decimals of DXF files ("1250.5", "-0.000125", "3e-5"):
// when the significant digits form an integer m that a double holds exactly and the decimal
// exponent e is at most 22 either way, m * 10^e or m / 10^-e is one correctly rounded
// operation on two exact doubles, which is the very value strtod must give; longer m go the
// way of extendedQuotient. `p` stands after
// the sign; the decimal ends at the first character that cannot continue it. Nothing
// (std::nullopt) when the text is no such decimal; the general road decides then.
// Rounding to nearest and double evaluation of double operations are assumed.
static_assert(FLT_EVAL_METHOD == 0, "the quick decimal road needs plain double arithmetic");
std::optional<double> parseShortDecimal(const char* p) {
  const char* const start = p;
  while (*p == '0') ++p;  // leading zeros carry nothing and do not count
  const char* const significant = p;
  std::uint64_t mantissa = 0;
  p = takeDigits(p, mantissa);
  std::ptrdiff_t digits = p - significant;
  bool anyDigit = p != start;
  int exponent = 0;  // power of ten by which the mantissa is scaled
  if (*p == '.') {
    const char* const fraction = ++p;
    p = takeDigits(p, mantissa);
    digits += p - fraction;
    anyDigit = anyDigit || p != fraction;
    exponent = -static_cast<int>(std::min<std::ptrdiff_t>(p - fraction, 1000));
  }
  if (!anyDigit || digits > 19) return std::nullopt;
  if (*p == 'e' || *p == 'E') {
    // An exponent counts only with at least one digit; "2e" and "2e+" read as 2.
    const char* q = p + 1;
    const bool negativeExponent = *q == '-';
    if (*q == '+' || *q == '-') ++q;
    if (*q >= '0' && *q <= '9') {
      int written = 0;
      for (; *q >= '0' && *q <= '9'; ++q) {
        // Beyond this the number is 0 or infinite anyway; the general readers settle it.
        if (written > 10000) return std::nullopt;
        written = written * 10 + (*q - '0');
      }
      exponent += negativeExponent ? -written : written;
    }
  }
  if (mantissa == 0) return 0.0;
  if (mantissa > kMaxExactInteger) return extendedQuotient(mantissa, exponent);
  if (exponent < -kMaxExactPower || exponent > kMaxExactPower) return std::nullopt;
  const auto exact = static_cast<double>(mantissa);
  return exponent < 0 ? exact / kExactPowersOfTen[-exponent]
                      : exact * kExactPowersOfTen[exponent];
}

// The "C" locale for the rare strtod fallback, created once.
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// The quick road of parseReal: white space, a sign and a short decimal (parseShortDecimal).
// White space is skipped only before `end` (null: up to the NUL). Nothing when the general
// road must decide.
std::optional<double> quickReal(const char* text, const char* end) {
  const char* p = text;
  while (p != end && isSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return std::nullopt;  // hexadecimal
  const auto value = parseShortDecimal(p);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

// The general road of parseReal for the text from `text` to `end`; `terminated` is the same
// text ended by a NUL, for strtod.
double generalReal(const char* text, const char* end, const char* terminated) {
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
  return *this;
}

DxfLineReader::~DxfLineReader() = default;

bool DxfLineReader::refill() {
  std::size_t got = 0;
  if (file_) {
    got = std::fread(block_.data(), 1, block_.size(), file_.get());
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

const char* DxfLineReader::readLineSlow() {
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
      // Only the first 99 bytes are kept; the rest of an overlong line is skipped.
      const std::size_t take = std::min(count, kLineBufferSize - 1 - length_);
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
  if (endsWithCr && rawLength <= kLineBufferSize - 1) --length_;
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


double parseReal(const char* text) {
  const auto quick = quickReal(text, nullptr);
  return quick ? *quick : generalReal(text, text + std::strlen(text), text);
}

double DxfLineReader::readReal() {
  // A line longer than this holds more significant digits than the quick road takes (19,
  // a sign and a point): it goes to the general road at once instead of being scanned twice.
  constexpr std::size_t kLongestQuick = 21;
  const char* const source = pos_;
  const bool quick = readQuick();
  if (!quick) readLineSlow();
  // A line read the quick way still stands whole in the block, ended by its carriage return
  // or newline, and is read from there (see readGroupCode).
  const char* const text = quick ? source : line_;
  if (length_ <= kLongestQuick) {
    if (const auto value = quickReal(text, text + length_)) return *value;
  }
  return generalReal(text, text + length_, line_);
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
