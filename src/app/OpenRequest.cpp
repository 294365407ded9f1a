// Taking the launcher's open request.
#include "app/OpenRequest.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <system_error>

namespace {

// Holds an exclusive flock on a file while it lives; nothing when it cannot be opened.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace

std::vector<std::string> takeOpenRequest(const std::filesystem::path& folder) {
  std::vector<std::string> paths;
  const std::filesystem::path request = folder / kOpenRequestFile;
  std::error_code error;
  // Looked at without the lock first: twice a second, most times there is nothing.
  if (!std::filesystem::exists(request, error)) return paths;
  const FileLock lock(folder / kOpenRequestLock);
  if (!lock) return paths;
  std::ifstream in(request, std::ios::binary);
  if (!in) return paths;
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  std::filesystem::remove(request, error);
  const std::string all = text.str();
  for (std::size_t start = 0; start < all.size();) {
    const std::size_t end = all.find('\n', start);
    if (end == std::string::npos) break;
    if (end > start) paths.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}
