// The painting threads: a batch of numbered tasks shared out among them and the caller.
#include "toolkit/paint/PaintWorkers.h"

#include <algorithm>

PaintWorkers& PaintWorkers::shared() {
  static PaintWorkers pool(std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1));
  return pool;
}

PaintWorkers::PaintWorkers(int workers) {
  for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { work(); });
}

PaintWorkers::~PaintWorkers() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void PaintWorkers::runAll(int count, const std::function<void(int)>& task) {
  if (count <= 0) return;
  const std::lock_guard<std::mutex> batch(batchGuard_);
  std::unique_lock<std::mutex> lock(mutex_);
  task_ = &task;
  count_ = count;
  next_ = 0;
  wake_.notify_all();
  while (runNext(lock)) {
  }
  finished_.wait(lock, [this] { return running_ == 0; });
  task_ = nullptr;
}

bool PaintWorkers::runNext(std::unique_lock<std::mutex>& lock) {
  if (!task_ || next_ >= count_) return false;
  const int index = next_++;
  ++running_;
  const std::function<void(int)>& task = *task_;
  lock.unlock();
  task(index);
  lock.lock();
  if (--running_ == 0 && next_ >= count_) finished_.notify_all();
  return true;
}

void PaintWorkers::work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || (task_ && next_ < count_); });
    if (stopping_) return;
    while (runNext(lock)) {
    }
  }
}
