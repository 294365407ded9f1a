// Opening a drawing file for reading: regular files only.
#include "document/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

RegularFile RegularFile::open(const std::filesystem::path& path) {
  RegularFile result;
  // Without blocking, so that a pipe nobody writes to is seen for what it is at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    result.problem = std::strerror(errno);
    return result;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    result.problem = std::strerror(errno);
  } else if (S_ISDIR(status.st_mode)) {
    result.problem = std::strerror(EISDIR);
  } else if (!S_ISREG(status.st_mode)) {
    result.problem = "Not a regular file (a device, pipe or socket)";
  } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) {
    result.file = ::fdopen(fd, "rb");
    if (result.file) return result;
    result.problem = std::strerror(errno);
  } else {
    result.problem = std::strerror(errno);
  }
  ::close(fd);
  return result;
}
