// The busy cursor: every window shows the wait cursor while a wait object exists.
#pragma once

class GwWaitObject {
 public:
  // show: 1 shows the wait cursor at once (the display is flushed, so it appears before a
  // long operation starts); 0 makes the object without effect.
  explicit GwWaitObject(int show = 1);
  ~GwWaitObject();
  GwWaitObject(const GwWaitObject&) = delete;
  GwWaitObject& operator=(const GwWaitObject&) = delete;

  // True while a showing wait object exists.
  static bool active();

 private:
  bool shown_;
};
