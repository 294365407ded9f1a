// Reals written so that the reader gets the very same value back.
#include "dxf/RoundTripNumbers.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "dxf/GroupLines.h"

namespace {

// The stream's slot for the non-finite mark.
int markSlot() {
  static const int slot = std::ios_base::xalloc();
  return slot;
}

// Digits of fixed notation asked for beyond which the fixed form is not tried.
constexpr int kMaxFixedDigits = 17;

class RoundTripPut : public std::num_put<char> {
 protected:
  // Reals are never padded, so the fill character is not used.
  iter_type do_put(iter_type out, std::ios_base& stream, char /*fill*/,
                   double value) const override {
    char text[kLineBufferSize];
    const std::string_view written = format(stream, value, text);
    for (char c : written) *out++ = c;
    return out;
  }
  iter_type do_put(iter_type out, std::ios_base& stream, char fill,
                   long double value) const override {
    return do_put(out, stream, fill, static_cast<double>(value));
  }

 private:
  static std::string_view format(std::ios_base& stream, double value,
                                 char (&text)[kLineBufferSize]) {
    if (!std::isfinite(value)) {
      stream.iword(markSlot()) = 1;
      text[0] = '0';
      return {text, 1};
    }
    const int precision = static_cast<int>(stream.precision());
    if ((stream.flags() & std::ios_base::floatfield) == std::ios_base::fixed &&
        precision <= kMaxFixedDigits) {
      const auto fixed =
          std::to_chars(text, text + kMaxLineLength, value, std::chars_format::fixed, precision);
      if (fixed.ec == std::errc()) {
        *fixed.ptr = '\0';
        if (parseReal(text) == value) return {text, static_cast<std::size_t>(fixed.ptr - text)};
      }
    }
    // The shortest text that reads back as the value: at most 24 characters.
    const auto shortest = std::to_chars(text, text + kMaxLineLength, value);
    return {text, static_cast<std::size_t>(shortest.ptr - text)};
  }
};

}  // namespace

std::locale withRoundTripNumbers(const std::locale& base) {
  return std::locale(base, new RoundTripPut);
}

bool sawNonFinite(std::ios_base& stream) { return stream.iword(markSlot()) != 0; }

void clearNonFinite(std::ios_base& stream) { stream.iword(markSlot()) = 0; }
