#include "tests/random_session/session_report.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string_view>

// The death callback exists only where a sanitizer's run-time library is linked.
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define VELKORA_HAVE_SANITIZER_INTERFACE 1
#endif

namespace velkora::test {

namespace {

// Written before every event, read by the crash report: a fixed buffer, so
// that the report allocates nothing when the process is going down.
char currentReport[768] = "before the first event";

bool parseNumber(std::string_view text, std::uint64_t& value) {
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && rest == end && !text.empty();
}

bool readValue(const char* name, std::string_view text, std::uint64_t& value) {
  if (parseNumber(text, value)) return true;
  std::fprintf(stderr, "random session: %s is not a number: %.*s\n", name,
               static_cast<int>(text.size()), text.data());
  return false;
}

void printReport() {
  std::fprintf(stderr, "\nrandom session stopped at %s\n", currentReport);
  std::fflush(stderr);
}

}  // namespace

SessionOptions& sessionOptions() {
  static SessionOptions options;
  return options;
}

bool readSessionOptions(int argc, char* argv[]) {
  SessionOptions& options = sessionOptions();
  bool haveSeed = false;
  bool haveEvents = false;
  std::uint64_t value = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument.starts_with("--seed=")) {
      if (!readValue("--seed", argument.substr(7), value)) return false;
      options.seed = value;
      haveSeed = true;
    } else if (argument.starts_with("--events=")) {
      if (!readValue("--events", argument.substr(9), value) || value > 10'000'000) return false;
      options.events = static_cast<int>(value);
      haveEvents = true;
    } else if (argument == "--log") {
      options.log = true;
    }
  }
  if (const char* seed = std::getenv("VELKORA_SESSION_SEED"); seed != nullptr && !haveSeed) {
    if (!readValue("VELKORA_SESSION_SEED", seed, value)) return false;
    options.seed = value;
  }
  if (const char* events = std::getenv("VELKORA_SESSION_EVENTS");
      events != nullptr && !haveEvents) {
    if (!readValue("VELKORA_SESSION_EVENTS", events, value) || value > 10'000'000) return false;
    options.events = static_cast<int>(value);
  }
  if (const char* log = std::getenv("VELKORA_SESSION_LOG"); log != nullptr && *log != '\0') {
    options.log = true;
  }
  return true;
}

void setCurrentEvent(int index, const std::string& what) {
  const SessionOptions& options = sessionOptions();
  const std::string text =
      "seed " + std::to_string(options.seed) + ", event " + std::to_string(index) + " of " +
      std::to_string(options.events) + " (" + what +
      "); replay: random_session_tests --seed=" + std::to_string(options.seed) +
      " --events=" + std::to_string(index + 1) + " --log";
  const std::size_t length = std::min(text.size(), sizeof currentReport - 1);
  std::memcpy(currentReport, text.data(), length);
  currentReport[length] = '\0';
  if (options.log) {
    // Milliseconds since the first event: shows where a session spends its time.
    static const auto start = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::fprintf(stderr, "%8lld ms  event %d: %s\n", static_cast<long long>(elapsed.count()), index,
                 what.c_str());
  }
}

std::string currentEventReport() { return currentReport; }

void installCrashReport() {
#if defined(VELKORA_HAVE_SANITIZER_INTERFACE)
  __sanitizer_set_death_callback(&printReport);
#endif
  std::set_terminate([] {
    printReport();
    std::abort();
  });
}

}  // namespace velkora::test
