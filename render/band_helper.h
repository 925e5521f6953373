#pragma once
// A second thread that takes on part of a frame's work, started once and kept
// with the frame buffers, so that no thread is started per frame. Owns the
// thread; the jobs it runs own nothing of it.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace velkora {

class BandHelper {
 public:
  BandHelper();
  BandHelper(const BandHelper&) = delete;
  BandHelper& operator=(const BandHelper&) = delete;
  // Waits for a job still running, then ends the thread.
  ~BandHelper();

  // Runs job on the helper thread. Needs the last job to have been waited for.
  void start(std::function<void()> job);
  // Returns once the job has finished; rethrows what it threw.
  void wait();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> job_;
  bool busy_ = false;
  bool stopping_ = false;
  std::exception_ptr error_;
  std::thread thread_;  // last, so that it starts with everything above in place
};

}  // namespace velkora
