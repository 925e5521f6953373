#include "render/band_helper.h"

#include <utility>

namespace velkora {

BandHelper::BandHelper() : thread_([this] { run(); }) {}

BandHelper::~BandHelper() {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BandHelper::start(std::function<void()> job) {
  {
    std::lock_guard lock(mutex_);
    job_ = std::move(job);
    busy_ = true;
    error_ = nullptr;
  }
  changed_.notify_all();
}

void BandHelper::wait() {
  std::exception_ptr error;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    error = std::exchange(error_, nullptr);
  }
  if (error) {
    std::rethrow_exception(error);
  }
}

void BandHelper::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return busy_ || stopping_; });
    if (stopping_) {
      return;
    }
    std::function<void()> job = std::move(job_);
    lock.unlock();
    std::exception_ptr error;
    try {
      job();
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    error_ = error;
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace velkora
