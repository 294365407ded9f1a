// File calls that fail at a chosen point of a save, for the fault-injection tests.
#pragma once

#include <cerrno>

#include "settings/FileCalls.h"

namespace testsupport {

// Where a save is made to fail.
enum class SavePoint { Write, Flush, Rename };

// The real calls, except that the `nth` call (from 1) of the chosen kind fails with
// `error`; installed for its lifetime.
class FailingFileCalls : public FileCalls {
 public:
  FailingFileCalls(SavePoint point, int nth, int error = ENOSPC)
      : point_(point), nth_(nth), error_(error), use_(*this) {}

  ssize_t write(int fd, const void* data, std::size_t size) override {
    // Small pieces, so that a file is written in several calls.
    return failsNow(SavePoint::Write) ? -1 : FileCalls::write(fd, data, size < 512 ? size : 512);
  }
  int flush(int fd) override { return failsNow(SavePoint::Flush) ? -1 : FileCalls::flush(fd); }
  int rename(const char* from, const char* to) override {
    return failsNow(SavePoint::Rename) ? -1 : FileCalls::rename(from, to);
  }

  // Calls of the chosen kind so far.
  int calls() const { return calls_; }

 private:
  bool failsNow(SavePoint point) {
    if (point != point_) return false;
    if (++calls_ != nth_) return false;
    errno = error_;
    return true;
  }

  SavePoint point_;
  int nth_;
  int error_;
  int calls_ = 0;
  Use use_;
};

}  // namespace testsupport
