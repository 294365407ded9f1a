// The system calls a save goes through, so that tests can make any one of them fail.
#pragma once

#include <sys/types.h>

#include <cstddef>

// The real calls by default. A test installs failing ones with FileCalls::Use for its
// scope; every file that replaces another (the drawing and the settings file) then sees
// them.
class FileCalls {
 public:
  virtual ~FileCalls() = default;
  virtual ssize_t write(int fd, const void* data, std::size_t size);
  // Brings the written bytes onto the disk (fsync).
  virtual int flush(int fd);
  virtual int rename(const char* from, const char* to);

  // The calls in force.
  static FileCalls& current();

  // Puts other calls in force until it ends (for tests; not for concurrent use).
  class Use {
   public:
    explicit Use(FileCalls& calls);
    ~Use();
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

   private:
    FileCalls* previous_;
  };

 private:
  static FileCalls*& installed();
};
