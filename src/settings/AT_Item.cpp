// AT_Item: setters, copies, renderings and conversions of one value cell.
#include "settings/AT_Item.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include <locale.h>

// One cell per drawing object: keep it at four machine words.
static_assert(sizeof(AT_Item) <= 4 * sizeof(void*));

namespace {

// Numbers are read and rendered with a decimal point whatever the user's locale, so that
// settings and drawings written under one locale read back under another.
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Switches this thread to the "C" locale while it lives.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(cLocale() != nullptr ? uselocale(cLocale()) : nullptr) {}
  ~CLocaleScope() {
    if (previous_ != nullptr) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

char* copyText(const char* text) {
  const std::size_t length = std::strlen(text);
  char* copy = new char[length + 1];
  std::memcpy(copy, text, length + 1);
  return copy;
}

std::int32_t saturateInt(long long value) {
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

std::int32_t saturateInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

float saturateFloat(double value) {
  if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

// atoi rules (leading blanks, sign, digits; anything else ends the number) without atoi's
// undefined behaviour on overflow.
std::int32_t parseInt(const char* text) {
  const int savedErrno = errno;
  const long long value = std::strtoll(text, nullptr, 10);
  errno = savedErrno;
  return saturateInt(value);
}

double parseDouble(const char* text) {
  const int savedErrno = errno;
  const double value =
      cLocale() != nullptr ? strtod_l(text, nullptr, cLocale()) : std::strtod(text, nullptr);
  errno = savedErrno;
  return value;
}

// What a format's single conversion expects as its argument.
enum class FormatArg { None, Text, Int, Long, LongLong, Double, LongDouble, Invalid };

// Classifies a printf format: at most one conversion, no '*' widths, no %n.
FormatArg classifyFormat(const char* format) {
  FormatArg found = FormatArg::None;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p != '\0' && std::strchr("-+ #0'", *p) != nullptr) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    int longs = 0;
    bool shorts = false;
    bool longDouble = false;
    for (;; ++p) {
      if (*p == 'l')
        ++longs;
      else if (*p == 'h')
        shorts = true;
      else if (*p == 'L')
        longDouble = true;
      else
        break;
    }
    if (found != FormatArg::None || *p == '\0' || longs > 2 || (shorts && longs > 0))
      return FormatArg::Invalid;
    const char conversion = *p;
    if (std::strchr("diouxX", conversion) != nullptr && !longDouble) {
      found = longs == 2 ? FormatArg::LongLong : longs == 1 ? FormatArg::Long : FormatArg::Int;
    } else if (conversion == 'c' && longs == 0 && !shorts && !longDouble) {
      found = FormatArg::Int;
    } else if (std::strchr("fFeEgGaA", conversion) != nullptr && !shorts && longs <= 1) {
      found = longDouble ? FormatArg::LongDouble : FormatArg::Double;
    } else if (conversion == 's' && longs == 0 && !shorts && !longDouble) {
      found = FormatArg::Text;
    } else {
      return FormatArg::Invalid;
    }
  }
  return found;
}

}  // namespace

AT_Item::AT_Item(const AT_Item& other) { *this = other; }

AT_Item& AT_Item::operator=(const AT_Item& other) {
  if (this == &other) return *this;
  switch (other.typeCode_) {
    case AT_Pointer: setRaw(other.storage_.foreign, 0); break;
    case AT_Bytes: setRaw(other.storage_.owned, other.bytesLength_); break;
    case AT_Text: setText(other.storage_.owned); break;
    case AT_Char: setChar(other.storage_.c); break;
    case AT_Int: setInt(other.storage_.i); break;
    case AT_Long: setLong(other.storage_.i); break;
    case AT_Float: setFloat(other.storage_.f); break;
    case AT_Double: setDouble(other.storage_.d); break;
    default: clear(); break;
  }
  setFormat(other.format());
  return *this;
}

AT_Item::~AT_Item() { clear(); }

void AT_Item::clear() {
  if (typeCode_ == AT_Bytes || typeCode_ == AT_Text) delete[] storage_.owned;
  storage_.foreign = nullptr;
  bytesLength_ = 0;
  typeCode_ = AT_Empty;
}

void AT_Item::clearFormat() { format_.reset(); }

AT_Item& AT_Item::setRaw(const void* data, std::size_t length) {
  clear();
  if (length == 0) {
    storage_.foreign = data;
    typeCode_ = AT_Pointer;
    return *this;
  }
  typeCode_ = AT_Bytes;
  if (data == nullptr) return *this;
  bytesLength_ = static_cast<std::uint32_t>(std::min<std::size_t>(length, UINT32_MAX));
  storage_.owned = new char[bytesLength_];
  std::memcpy(storage_.owned, data, bytesLength_);
  return *this;
}

AT_Item& AT_Item::setDouble(double value) {
  clear();
  storage_.d = value;
  typeCode_ = AT_Double;
  return *this;
}

AT_Item& AT_Item::setFloat(float value) {
  clear();
  storage_.f = value;
  typeCode_ = AT_Float;
  return *this;
}

AT_Item& AT_Item::setLong(std::int32_t value) {
  clear();
  storage_.i = value;
  typeCode_ = AT_Long;
  return *this;
}

AT_Item& AT_Item::setInt(std::int32_t value) {
  clear();
  storage_.i = value;
  typeCode_ = AT_Int;
  return *this;
}

AT_Item& AT_Item::setChar(char value) {
  clear();
  storage_.c = value;
  typeCode_ = AT_Char;
  return *this;
}

AT_Item& AT_Item::setText(const char* text) {
  // Copy first: the text may be this cell's own value.
  char* copy = text != nullptr ? copyText(text) : nullptr;
  clear();
  storage_.owned = copy;
  typeCode_ = AT_Text;
  return *this;
}

void AT_Item::setFormat(const char* format) {
  format_.reset(format != nullptr ? copyText(format) : nullptr);
}

char* AT_Item::buffer() const {
  if (!textBuffer_) textBuffer_ = std::make_unique<char[]>(textBufferSize);
  return textBuffer_.get();
}

const char* AT_Item::text() const {
  if (value() == nullptr) return "";
  if (typeCode_ == AT_Text && !format_) return storage_.owned;
  const CLocaleScope numbersWithPoint;
  return format_ ? renderFormatted() : renderUnformatted();
}

const char* AT_Item::renderUnformatted() const {
  switch (typeCode_) {
    case AT_Pointer: return static_cast<const char*>(storage_.foreign);
    case AT_Text: return storage_.owned;
    case AT_Char: {
      char* out = buffer();
      out[0] = storage_.c;
      out[1] = '\0';
      return out;
    }
    case AT_Int: std::snprintf(buffer(), textBufferSize, "%d", storage_.i); return buffer();
    case AT_Long:
      std::snprintf(buffer(), textBufferSize, "%ld", static_cast<long>(storage_.i));
      return buffer();
    case AT_Float:
      std::snprintf(buffer(), textBufferSize, "%f", static_cast<double>(storage_.f));
      return buffer();
    case AT_Double: std::snprintf(buffer(), textBufferSize, "%g", storage_.d); return buffer();
    default: return "";
  }
}

const char* AT_Item::renderFormatted() const {
  if (typeCode_ == AT_Pointer) {
    std::snprintf(buffer(), textBufferSize, "%s", static_cast<const char*>(storage_.foreign));
    return buffer();
  }
  if (typeCode_ == AT_Bytes) return "";

  const FormatArg arg = classifyFormat(format_.get());
  const bool textValue = typeCode_ == AT_Text;
  const bool integerValue = typeCode_ == AT_Char || typeCode_ == AT_Int || typeCode_ == AT_Long;
  const bool fits = arg == FormatArg::None ||
                    (textValue      ? arg == FormatArg::Text
                     : integerValue ? (arg == FormatArg::Int || arg == FormatArg::Long ||
                                       arg == FormatArg::LongLong)
                                    : (arg == FormatArg::Double || arg == FormatArg::LongDouble));
  if (!fits) return renderUnformatted();

  char* out = buffer();
  const char* format = format_.get();
  const std::int32_t integer = typeCode_ == AT_Char ? storage_.c : storage_.i;
  const double real = typeCode_ == AT_Float ? static_cast<double>(storage_.f) : storage_.d;
  switch (arg) {
    case FormatArg::Text: std::snprintf(out, textBufferSize, format, storage_.owned); break;
    case FormatArg::Int: std::snprintf(out, textBufferSize, format, integer); break;
    case FormatArg::Long:
      std::snprintf(out, textBufferSize, format, static_cast<long>(integer));
      break;
    case FormatArg::LongLong:
      std::snprintf(out, textBufferSize, format, static_cast<long long>(integer));
      break;
    case FormatArg::Double: std::snprintf(out, textBufferSize, format, real); break;
    case FormatArg::LongDouble:
      std::snprintf(out, textBufferSize, format, static_cast<long double>(real));
      break;
    default: std::snprintf(out, textBufferSize, format, 0); break;  // only "%%" inside
  }
  return out;
}

bool AT_Item::rendersAs(const char* text) const {
  return text != nullptr && std::strcmp(this->text(), text) == 0;
}

template <typename T>
T AT_Item::rawPrefix() const {
  T result{};
  if (typeCode_ == AT_Pointer) {
    std::memcpy(&result, storage_.foreign, sizeof(T));
  } else {
    std::memcpy(&result, storage_.owned, std::min<std::size_t>(bytesLength_, sizeof(T)));
  }
  return result;
}

std::int32_t AT_Item::toInt() const {
  if (value() == nullptr) return 0;
  switch (typeCode_) {
    case AT_Text: return parseInt(storage_.owned);
    case AT_Char: return storage_.c;
    case AT_Int:
    case AT_Long: return storage_.i;
    case AT_Float: return saturateInt(static_cast<double>(storage_.f));
    case AT_Double: return saturateInt(storage_.d);
    default: return rawPrefix<std::int32_t>();
  }
}

std::int32_t AT_Item::toLong() const { return toInt(); }

float AT_Item::toFloat() const {
  if (value() == nullptr) return 0.0F;
  switch (typeCode_) {
    case AT_Text: return saturateFloat(parseDouble(storage_.owned));
    case AT_Char: return storage_.c;
    case AT_Int:
    case AT_Long: return static_cast<float>(storage_.i);
    case AT_Float: return storage_.f;
    case AT_Double: return saturateFloat(storage_.d);
    default: return rawPrefix<float>();
  }
}

double AT_Item::toDouble() const {
  if (value() == nullptr) return 0.0;
  switch (typeCode_) {
    case AT_Text: return parseDouble(storage_.owned);
    case AT_Char: return storage_.c;
    case AT_Int:
    case AT_Long: return storage_.i;
    case AT_Float: return storage_.f;
    case AT_Double: return storage_.d;
    default: return rawPrefix<double>();
  }
}

char AT_Item::toChar() const {
  if (value() == nullptr) return '0';
  switch (typeCode_) {
    case AT_Text: return storage_.owned[0];
    case AT_Char: return storage_.c;
    case AT_Pointer:
    case AT_Bytes: return rawPrefix<char>();
    default: return static_cast<char>(toInt());
  }
}

AT_Item& AT_Item::sharedEmpty() {
  static AT_Item item;
  item.clear();
  item.clearFormat();
  return item;
}
