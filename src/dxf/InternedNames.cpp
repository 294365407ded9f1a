// Names kept once for the whole run.
#include "dxf/InternedNames.h"

#include <cstring>
#include <mutex>
#include <string>
#include <unordered_set>

const char* internedName(std::string_view name) {
  // Entities come in runs of one layer: the name asked for last is the likely answer, and
  // checking it first spares the lock.
  thread_local const char* last = nullptr;
  if (last != nullptr && name == last) return last;
  // Drawings may be read on a loading thread while another is read on the main thread.
  static std::mutex guard;
  static std::unordered_set<std::string> names;
  const std::lock_guard<std::mutex> lock(guard);
  last = names.emplace(name).first->c_str();
  return last;
}

const char* internedField(const char* text, std::size_t fieldSize) {
  if (text == nullptr || fieldSize == 0) return internedName({});
  return internedName(std::string_view(text, strnlen(text, fieldSize - 1)));
}
