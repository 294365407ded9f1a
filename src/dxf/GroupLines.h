// The ASCII DXF line protocol: buffered line reading, group code recognisers, numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Bytes of one line buffer: a line holds at most kLineBufferSize - 1 = 99 characters.
inline constexpr std::size_t kLineBufferSize = 100;
inline constexpr std::size_t kMaxLineLength = kLineBufferSize - 1;
// The longest text value line (a TEXT's or MTEXT's string, a dimension's text) kept whole:
// the DXF limit for a line of text. The writer never writes a longer line.
inline constexpr std::size_t kMaxTextLineLength = 255;
// The longest chunk line of an MTEXT's string (groups 3 and 1) kept whole: writers cut the
// string into chunks of 250 characters, which some make longer by escaping characters.
inline constexpr std::size_t kMaxChunkLineLength = 1023;

// Which reader's rule decides a group code line (they differ only in corner cases).
enum class GroupCodeVariant {
  // Layer entries, inserts, polylines: a whole number is a code line, and so is an odd
  // line that starts with a blank.
  Standard,
  // Entities: like Standard, and the odd unindented lines that read as 100, 210, 220 or
  // 230 count too.
  Entity,
  // Linetype entries and dimensions: an indented line that reads as 0 is code 0 only when
  // every character after the first is a '0' or a blank (so a line of blanks is code 0).
  LinetypeDimension,
};

// groupCode (below) for the lines that are no plain code lines (see plainGroupCode).
int groupCodeOfOddLine(const char* line, GroupCodeVariant variant);

// The code of a plain code line: blanks, then one to nine digits, then blanks up to the end
// of the line, which `atEnd(p)` recognises. Such a line reads as its digits under every
// variant, with or without blanks before it, since writers differ in how they pad codes
// (a digit string that reads as 0 is all zeros, so "0" and "  0" are code 0 everywhere).
// Nothing for every other line.
template <class AtEnd>
std::optional<int> plainGroupCode(const char* line, AtEnd atEnd, GroupCodeVariant /*variant*/) {
  const char* p = line;
  while (*p == ' ') ++p;
  const char* const digits = p;
  int value = 0;
  while (*p >= '0' && *p <= '9' && p - digits < 9) {
    value = value * 10 + (*p - '0');
    ++p;
  }
  if (p == digits) return std::nullopt;
  while (!atEnd(p) && *p == ' ') ++p;
  if (!atEnd(p)) return std::nullopt;
  return value;
}

// The group code of a code line, or -1 for a line that is no code line. A code line is a
// whole number with blanks around it, or else a line that starts with a blank; the code of
// such a line is the integer it reads as, or 0 when that is 0 and the line holds a '0'
// somewhere (the variants above differ in this). Inline for the plain code lines,
// since every other line of a file is one.
inline int groupCode(const char* line, GroupCodeVariant variant = GroupCodeVariant::Standard) {
  const auto atNul = [](const char* p) { return *p == '\0'; };
  if (const auto code = plainGroupCode(line, atNul, variant)) return *code;
  return groupCodeOfOddLine(line, variant);
}

// Reads a DXF file (or bytes in memory) line by line into a 100-byte buffer.
//
// Each readLine() delivers the next line without its newline; one carriage return right
// before the newline is dropped, so CR LF files read like LF files. A line longer than
// 99 characters keeps its first 99 and the rest of it is skipped, never read as a line of
// its own; readTextLine() does the same with 255 for the value lines of texts. Lines are
// not trimmed. Embedded NUL bytes end the line as a C string.
//
// End of file follows the stream convention the readers are written against: eof() turns
// true when a read reaches the end of the data before a newline, so a last line without a
// newline is delivered together with eof() == true, and a read past the end delivers "".
// Callers test eof() after every read.
class DxfLineReader {
 public:
  // Opens a file for reading in binary mode; isOpen() tells whether that worked.
  static DxfLineReader openFile(const std::filesystem::path& path);
  // Reads an open file from where it stands, and closes it in the end.
  static DxfLineReader fromFile(std::FILE* file);
  // Reads bytes that the caller keeps alive for the reader's lifetime (benchmarks, fuzzing).
  static DxfLineReader fromBytes(std::string_view bytes);
  // Reads a private copy of the text (tests, small snippets).
  static DxfLineReader fromString(std::string text);
  // Reads from a stream that the caller keeps alive; bytes are taken in large blocks.
  static DxfLineReader fromStream(std::istream& in);

  DxfLineReader(DxfLineReader&& other) noexcept;
  DxfLineReader& operator=(DxfLineReader&& other) noexcept;
  DxfLineReader(const DxfLineReader&) = delete;
  DxfLineReader& operator=(const DxfLineReader&) = delete;
  ~DxfLineReader();

  // False only for a file that could not be opened.
  bool isOpen() const { return open_; }

  // Reads the next line and returns it (the same buffer as line()).
  const char* readLine() { return readQuick() ? line_ : readLineSlow(kMaxLineLength); }
  // Reads the next line as the value of a text, which keeps up to kMaxTextLineLength
  // characters.
  const char* readTextLine() { return readQuick() ? line_ : readLineSlow(kMaxTextLineLength); }
  // Reads the next line as a chunk of an MTEXT's string, keeping up to kMaxChunkLineLength
  // characters.
  const char* readChunkLine() { return readQuick() ? line_ : readLineSlow(kMaxChunkLineLength); }

  // Reads the next line and returns its group code, as groupCode(readLine(), variant) does.
  int readGroupCode(GroupCodeVariant variant = GroupCodeVariant::Standard) {
    const char* const source = pos_;
    if (!readQuick()) return groupCode(readLineSlow(kMaxLineLength), variant);
    // A line read the quick way still stands whole in the block. Its code is read from there
    // rather than from the copy just written to the line buffer, which the processor cannot
    // hand on to the loads at once.
    const char* const end = source + length_;
    const auto atEnd = [end](const char* p) { return p == end; };
    if (const auto code = plainGroupCode(source, atEnd, variant)) return *code;
    return groupCodeOfOddLine(line_, variant);
  }

  // Reads the next line and converts it as parseReal does (the same value, just faster).
  double readReal();

  // The last line read, NUL-terminated: at most 99 characters, 255 from readTextLine(),
  // 1023 from readChunkLine().
  const char* line() const { return line_; }
  // True when the last line read equals `text` as strcmp compares (up to an embedded NUL).
  // The buffer always holds N bytes, so comparing N bytes, the NUL of `text` included, is
  // that comparison, done inline.
  template <std::size_t N>
  bool lineIs(const char (&text)[N]) const {
    static_assert(N <= kLineBufferSize);
    return std::memcmp(line_, text, N) == 0;
  }
  // Number of bytes stored for the last line (up to an embedded NUL they equal strlen).
  std::size_t length() const { return length_; }
  // True once a read has met the end of the data (see the class comment).
  bool eof() const { return eof_; }
  // True when no byte is left to read, without reading a line (an empty file right after
  // opening, for instance).
  bool atEnd();

  // Number of lines read so far.
  long lineNumber() const { return lineNumber_; }
  // errno of a failed read of the file (which then looks ended), 0 when none failed.
  int readError() const { return readError_; }

 private:
  // Bytes that readLine() looks at in one go (less than the line buffer, which takes them).
  static constexpr std::ptrdiff_t kQuickSpan = 32;
#if defined(__SSE2__)
  // Bit k is set when byte k of low:high (32 bytes) equals c.
  static unsigned bytesEqual(__m128i low, __m128i high, char c) {
    const __m128i wanted = _mm_set1_epi8(c);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, wanted))) |
           static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, wanted))) << 16;
  }
#endif
  static_assert(kQuickSpan < static_cast<std::ptrdiff_t>(kLineBufferSize));

  DxfLineReader() = default;
  // Reads the next line when it is short and lies wholly inside the current block, which
  // almost every DXF line does; false, with nothing read, for every other line.
  bool readQuick() {
#if defined(__SSE2__)
    if (end_ - pos_ >= kQuickSpan) {
      // Look for the newline among the next 32 bytes with 16-byte compares, then store them
      // whole into the line buffer with every byte from the line's end on zeroed, which
      // puts the NUL in place too. (A separate store of the NUL, at a place known only
      // late, would hold up every read of the line that follows.)
      const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pos_));
      const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pos_ + 16));
      const unsigned newlines = bytesEqual(low, high, '\n');
      if (newlines != 0) {
        const auto newlineAt = static_cast<unsigned>(__builtin_ctz(newlines));
        // Bit k of `returns << 1` tells whether a carriage return stands before byte k.
        const unsigned returns = bytesEqual(low, high, '\r');
        length_ = newlineAt - (((returns << 1) >> newlineAt) & 1U);
        const __m128i length = _mm_set1_epi8(static_cast<char>(length_));
        const __m128i lowIndex =
            _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
        const __m128i highIndex = _mm_add_epi8(lowIndex, _mm_set1_epi8(16));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line_),
                         _mm_and_si128(low, _mm_cmplt_epi8(lowIndex, length)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line_ + 16),
                         _mm_and_si128(high, _mm_cmplt_epi8(highIndex, length)));
        pos_ += newlineAt + 1;
        ++lineNumber_;
        return true;
      }
    }
#endif
    return false;
  }
  // Fetches the next block from the file or stream; false when nothing is left.
  bool refill();
  // Any line: across blocks, overlong, or at the end of the data. Keeps at most `longest`
  // characters of it.
  const char* readLineSlow(std::size_t longest);

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  std::unique_ptr<std::FILE, FileCloser> file_;
  std::istream* stream_ = nullptr;
  std::vector<char> block_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  char line_[kMaxChunkLineLength + 1] = {};
  std::size_t length_ = 0;
  long lineNumber_ = 0;
  bool open_ = true;
  bool eof_ = false;
  int readError_ = 0;
};

// True when `line`, blanks before and after aside, equals the decimal text of `code`
// exactly (" 10", "  10", "10" and " 10 " match 10; " 010" and "\t10" do not).
bool matchCode(const char* line, int code);

// A real read the way strtod reads it in the "C" locale, whatever the process locale:
// leading white space skipped, conversion stops at the first unfit character, 0.0 when no
// number starts the text. "inf" and "nan" read as such; too large values as infinity.
// The result is always the very double strtod gives.
double parseReal(const char* text);

// An integer read the way atoi reads it, but clamped to the int range instead of
// overflowing: leading white space, an optional sign, digits; 0 when none follow.
int parseInt(const char* text);

// Writes a group code line: the code right-justified in three characters (" 10", "  8").
void writeGroupCode(std::ostream& out, int code);

// Copies a text into a fixed-size field, cutting it to N - 1 characters.
template <std::size_t N>
void copyField(char (&field)[N], const char* text) {
  std::size_t n = 0;
  if (text != nullptr) {
    // Field texts are short (names, colour numbers), so one pass that measures and copies
    // beats two library calls. It copies forwards, which is safe unless the text starts
    // before the field and runs into it; that case is left to memmove.
    const auto from = reinterpret_cast<std::uintptr_t>(text);
    const auto to = reinterpret_cast<std::uintptr_t>(field);
    if (from >= to || from + N <= to) {
      for (; n < N - 1 && text[n] != '\0'; ++n) field[n] = text[n];
    } else {
      n = strnlen(text, N - 1);
      std::memmove(field, text, n);
    }
  }
  field[n] = '\0';
}
