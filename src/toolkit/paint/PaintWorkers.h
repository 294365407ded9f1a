// The painting threads shared by every picture the process paints.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// One worker fewer than the machine has cores: the thread that hands out the work paints
// too. Each worker keeps its own Pango font map for its whole life (Pango gives every
// thread its own default map), so texts may be painted on any of them; the maps go when
// the pool is destroyed at exit. One batch runs at a time; further callers wait.
class PaintWorkers {
 public:
  // The pool of the process, started on first use.
  static PaintWorkers& shared();

  explicit PaintWorkers(int workers);
  ~PaintWorkers();
  PaintWorkers(const PaintWorkers&) = delete;
  PaintWorkers& operator=(const PaintWorkers&) = delete;

  // Threads that paint in a batch: the workers and the caller.
  int threads() const { return static_cast<int>(workers_.size()) + 1; }
  // Runs task(0) .. task(count - 1), each once, on the workers and the calling thread, and
  // returns when all have ended.
  void runAll(int count, const std::function<void(int)>& task);

 private:
  // Takes the next task of the batch and runs it; false when none is left.
  bool runNext(std::unique_lock<std::mutex>& lock);
  void work();

  std::mutex batchGuard_;  // one batch at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  const std::function<void(int)>* task_ = nullptr;
  int count_ = 0;
  int next_ = 0;
  int running_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};
