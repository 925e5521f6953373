#pragma once
// A second thread that takes on part of a frame's work, started once and kept
// with the frame buffers, so that no thread is started per frame. Owns the
// thread; the jobs it runs own nothing of it. HelperTurn ties one job to a
// scope, so that the job has ended before what it works on goes away.

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
  // True when no job runs or waits to be waited for.
  bool idle();

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

// One job on a helper, from its start to its end, held by the scope that
// owns what the job works on. However that scope is left, normally or by an
// exception, the destructor first calls the job's stop function, which must
// make the job return soon, and then waits for the job. Declare it after
// everything the job uses, so that it is destroyed first.
class HelperTurn {
 public:
  HelperTurn() = default;
  HelperTurn(const HelperTurn&) = delete;
  HelperTurn& operator=(const HelperTurn&) = delete;
  ~HelperTurn() { cancel(); }

  // Runs job on helper; stop is called on this thread when the turn is
  // cancelled. Needs no job of this turn running; helper outlives the turn.
  void start(BandHelper& helper, std::function<void()> job, std::function<void()> stop);
  // True from a successful start until finish or cancel.
  bool running() const { return helper_ != nullptr; }
  // Waits for the job to end by itself; rethrows what it threw.
  void finish();
  // Stops the job and waits for it; what it threw is dropped, since this
  // runs when the frame has failed already or the job's work is not wanted.
  void cancel() noexcept;

 private:
  BandHelper* helper_ = nullptr;
  std::function<void()> stop_;
};

}  // namespace velkora
