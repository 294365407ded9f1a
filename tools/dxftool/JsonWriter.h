// Streams one JSON value with correct commas, escaping and number format.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace dxftool {

// Writes compact JSON (", " and ": " separators) to a stream. Texts must be UTF-8; bytes
// that do not form valid UTF-8 become U+FFFD, so the output always parses. Numbers are
// written locale-independently in their shortest exact form; NaN and infinities, which
// JSON cannot carry, become null.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // Name of the next member of the current object.
  void key(std::string_view name);

  void value(std::string_view utf8);
  void value(const char* utf8) { value(std::string_view(utf8)); }
  void value(double number);
  void value(long long number);
  void value(int number) { value(static_cast<long long>(number)); }
  void value(bool flag);
  void null();

  // The quoted JSON string for a UTF-8 text.
  static std::string quote(std::string_view utf8);

 private:
  void separate();
  void open(char bracket);
  void close(char bracket);

  std::ostream& out_;
  // One entry per open object or array: whether it already holds a member.
  std::vector<bool> hasMember_;
  bool afterKey_ = false;
};

}  // namespace dxftool
