// A file written whole beside its target and then put in its place.
#include "settings/ReplacingFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "settings/FileCalls.h"

namespace {

// Attempts at a free temporary name before giving up.
constexpr int kNameAttempts = 64;
// Bytes the stream buffer collects before it writes them.
constexpr std::size_t kBlockSize = 64 * 1024;

// Six letters and digits for a temporary name, from the kernel's random source.
std::string randomSuffix() {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned char bytes[6] = {};
  if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
    // Without randomness the names are still tried exclusively, only less spread.
    static unsigned counter = 0;
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(::getpid() + counter++);
  }
  std::string suffix;
  for (unsigned char b : bytes) suffix += kLetters[b % (sizeof kLetters - 1)];
  return suffix;
}

}  // namespace

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

ReplacingFile::ReplacingFile(const std::filesystem::path& target) : target_(target) {}

ReplacingFile::~ReplacingFile() {
  if (!committed_) discard();
}

bool ReplacingFile::fail(int error) {
  if (error_ == 0) error_ = error != 0 ? error : EIO;
  return false;
}

void ReplacingFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::string ReplacingFile::reason() const { return error_ ? std::strerror(error_) : ""; }

bool ReplacingFile::open() {
  struct stat link {};
  if (::lstat(target_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::error_code error;
    target_ = std::filesystem::canonical(target_, error);
    if (error) return fail(error.value());
  }
  if (target_.filename().empty()) return fail(EISDIR);
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  // A write-protected file stays protected, even in a folder that would let it be replaced
  // and for a user whom the system would let write it anyway.
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 ||
                 ::access(target_.c_str(), W_OK) != 0)) {
    return fail(EACCES);
  }
  const mode_t mode = exists ? (existing.st_mode & 07777) : newFileMode();
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::filesystem::path candidate = target_;
    candidate.replace_filename("." + target_.filename().string() + ".saving-" + randomSuffix());
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
      temporary_ = candidate;
      // Created private, so that nobody reads it half-written; then the final permissions.
      if (::fchmod(fd_, mode) != 0) {
        const int error = errno;
        discard();
        return fail(error);
      }
      return true;
    }
    if (errno != EEXIST) return fail(errno);
  }
  return fail(EEXIST);
}

bool ReplacingFile::write(std::string_view bytes) {
  if (fd_ < 0 || error_ != 0) return fail(EBADF);
  FileCalls& calls = FileCalls::current();
  while (!bytes.empty()) {
    const ssize_t written = calls.write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return fail(written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReplacingFile::commit() {
  if (fd_ < 0 || error_ != 0) {
    discard();
    return fail(EBADF);
  }
  FileCalls& calls = FileCalls::current();
  if (calls.flush(fd_) != 0) {
    const int error = errno;
    discard();
    return fail(error);
  }
  const int closed = ::close(fd_);
  const int closeError = errno;
  fd_ = -1;
  if (closed != 0) {
    discard();
    return fail(closeError);
  }
  if (calls.rename(temporary_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    discard();
    return fail(error);
  }
  temporary_.clear();
  committed_ = true;
  return true;
}

ReplacingFileBuffer::ReplacingFileBuffer(ReplacingFile& file) : file_(file), block_(kBlockSize) {
  setp(block_.data(), block_.data() + block_.size());
}

bool ReplacingFileBuffer::drain() {
  const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(block_.data(), block_.data() + block_.size());
  return bytes.empty() || file_.write(bytes);
}

ReplacingFileBuffer::int_type ReplacingFileBuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int ReplacingFileBuffer::sync() { return drain() ? 0 : -1; }
