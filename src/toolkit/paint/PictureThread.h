// The thread that paints the screen's pictures while the window goes on answering input.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Runs one picture job at a time, off the thread that asks for it; the job itself shares
// its bands out to the paint workers. A job that has not started yet when the next one
// comes is dropped: only the newest picture is wanted. The thread lives as long as the
// object (one per process, see shared()), so its Pango font map is made only once.
class PictureThread {
 public:
  static PictureThread& shared();

  PictureThread();
  ~PictureThread();
  PictureThread(const PictureThread&) = delete;
  PictureThread& operator=(const PictureThread&) = delete;

  // Runs `job` once the running one has ended, instead of any job still waiting.
  void start(std::function<void()> job);
  // Returns once no job runs or waits (cancel the running one first to be quick).
  void waitIdle();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> waiting_;
  bool running_ = false;
  bool stopping_ = false;
  std::thread thread_;
};
