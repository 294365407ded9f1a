// cadpeer run by a test: started on a service name with its own log folder, waited for
// until it owns the name, ended with the test.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

class CadPeerProcess {
 public:
  CadPeerProcess(const std::string& service, std::filesystem::path log,
                 const std::string& mode = "accept", int stallSeconds = 15)
      : log_(std::move(log)) {
    std::filesystem::create_directories(log_);
    // Left by an earlier peer on the same folder; the new one writes it once it is ready.
    std::filesystem::remove(log_ / "ready");
    const std::string stall = std::to_string(stallSeconds);
    pid_ = fork();
    if (pid_ == 0) {
      execl(DXFV_CADPEER, DXFV_CADPEER, "--service", service.c_str(), "--log", log_.c_str(),
            "--mode", mode.c_str(), "--stall", stall.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~CadPeerProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  CadPeerProcess(const CadPeerProcess&) = delete;
  CadPeerProcess& operator=(const CadPeerProcess&) = delete;

  // True once the peer owns its name (within ten seconds).
  bool waitReady() const {
    return waitFor([this] { return std::filesystem::exists(log_ / "ready"); });
  }
  // True once the peer has ended (within ten seconds).
  bool waitExit() {
    exited_ = waitFor([this] { return waitpid(pid_, nullptr, WNOHANG) == pid_; });
    return exited_;
  }

  // The scripts received, in order, each with its exact bytes.
  std::vector<std::string> scripts() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(log_)) {
      if (entry.path().filename().string().rfind("script-", 0) == 0) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    for (const auto& file : files) texts.push_back(read(file));
    return texts;
  }
  // The peer's reply lines ("NNN true|false|none reason").
  std::string replies() const { return read(log_ / "replies.txt"); }

 private:
  template <typename Condition>
  static bool waitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }
  static std::string read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path log_;
  pid_t pid_ = -1;
  bool exited_ = false;
};
