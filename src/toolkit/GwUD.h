// User data handed to a callback with each call: a text from the resource file (the zoom
// factor of a menu item, the picture name of a button) and/or a pointer of the program.
#pragma once

#include <string>

class GwUD {
 public:
  GwUD() = default;
  explicit GwUD(void* pointer) : pointer_(pointer) {}

  // The user data text; empty when none was given. Windows-1252, like all program texts.
  const char* str() const { return text_.c_str(); }
  bool has_text() const { return !text_.empty(); }
  void* pointer() const { return pointer_; }

  bool operator==(const GwUD& other) const {
    return text_ == other.text_ && pointer_ == other.pointer_;
  }

 protected:
  std::string text_;
  void* pointer_ = nullptr;
};
