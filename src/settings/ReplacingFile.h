// A file written whole beside its target and then put in its place.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

// The permissions a new file gets from the process's umask: a temporary file is created
// private to its owner and gets these before it takes its target's place.
mode_t newFileMode();

// Bytes go to a temporary file created exclusively in the target's folder (a new name, never
// an existing file or a link planted there); commit() brings it onto the disk and renames it
// over the target. The target is touched only by that rename: until then, and after any
// failure, it stays byte for byte as it was, and the temporary file is removed. A target
// that is a symbolic link stays a link; the file it names is replaced. Every system call
// goes through FileCalls::current().
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::filesystem::path& target);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false when that failed (see error()). An existing target
  // that is no regular file or is write-protected is refused with EACCES.
  bool open();
  // Appends bytes; false once anything failed.
  bool write(std::string_view bytes);
  // Flushes, closes and renames; false when any step (or an earlier write) failed.
  bool commit();

  // errno of the first failure, 0 while there was none.
  int error() const { return error_; }
  // The system's words for error().
  std::string reason() const;

 private:
  bool fail(int error);
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int fd_ = -1;
  int error_ = 0;
  bool committed_ = false;
};

// A stream buffer that hands its bytes to a ReplacingFile in large blocks, so that a writer
// streams its output instead of building it in memory.
class ReplacingFileBuffer : public std::streambuf {
 public:
  explicit ReplacingFileBuffer(ReplacingFile& file);
  ~ReplacingFileBuffer() override = default;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();

  ReplacingFile& file_;
  std::vector<char> block_;
};
