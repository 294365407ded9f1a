// The picture thread: a slot for the newest job and a thread that empties it.
#include "toolkit/paint/PictureThread.h"

#include <utility>

PictureThread& PictureThread::shared() {
  static PictureThread thread;
  return thread;
}

PictureThread::PictureThread() : thread_([this] { run(); }) {}

PictureThread::~PictureThread() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_ = nullptr;
  }
  changed_.notify_all();
  thread_.join();
}

void PictureThread::start(std::function<void()> job) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = std::move(job);
  }
  changed_.notify_all();
}

void PictureThread::waitIdle() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !running_ && !waiting_; });
}

void PictureThread::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || waiting_; });
    if (stopping_) return;
    std::function<void()> job = std::move(waiting_);
    waiting_ = nullptr;
    running_ = true;
    lock.unlock();
    job();
    job = nullptr;  // what the job holds goes before the thread reports idle
    lock.lock();
    running_ = false;
    changed_.notify_all();
  }
}
