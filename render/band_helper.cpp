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

bool BandHelper::idle() {
  std::lock_guard lock(mutex_);
  return !busy_;
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

void HelperTurn::start(BandHelper& helper, std::function<void()> job, std::function<void()> stop) {
  stop_ = std::move(stop);
  helper.start(std::move(job));
  helper_ = &helper;  // only once the job runs: a failed start leaves nothing to wait for
}

void HelperTurn::finish() {
  if (BandHelper* helper = std::exchange(helper_, nullptr)) {
    helper->wait();
  }
}

void HelperTurn::cancel() noexcept {
  if (BandHelper* helper = std::exchange(helper_, nullptr)) {
    stop_();
    try {
      helper->wait();
    } catch (...) {  // the job's error is not the one to report
    }
  }
}

}  // namespace velkora
