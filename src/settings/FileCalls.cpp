// The system calls a save goes through.
#include "settings/FileCalls.h"

#include <unistd.h>

#include <cstdio>

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}

int FileCalls::flush(int fd) { return ::fsync(fd); }

int FileCalls::rename(const char* from, const char* to) { return std::rename(from, to); }

FileCalls*& FileCalls::installed() {
  static FileCalls* calls = nullptr;
  return calls;
}

FileCalls& FileCalls::current() {
  static FileCalls system;
  FileCalls* calls = installed();
  return calls ? *calls : system;
}

FileCalls::Use::Use(FileCalls& calls) : previous_(installed()) { installed() = &calls; }

FileCalls::Use::~Use() { installed() = previous_; }
