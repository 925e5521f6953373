#pragma once
// The seed and length of a random session and the event it is at, so that a
// failure, a sanitizer report or an escaped exception names the seed and the
// event index to replay. Knows nothing of what the events are.

#include <cstdint>
#include <string>

namespace velkora::test {

struct SessionOptions {
  std::uint64_t seed = 0;
  int events = 0;
  bool log = false;  // print every event as it starts
};

// The options main() read from its arguments and the environment.
SessionOptions& sessionOptions();

// Reads --seed=N, --events=N and --log from argv, then VELKORA_SESSION_SEED,
// VELKORA_SESSION_EVENTS and VELKORA_SESSION_LOG where an argument is missing.
// Returns false (with a message on stderr) for a value that is not a number.
bool readSessionOptions(int argc, char* argv[]);

// Records the event about to run; printed by the crash report.
void setCurrentEvent(int index, const std::string& what);

// "seed S, event I of N (what)" and the command that replays it.
std::string currentEventReport();

// Prints currentEventReport() when a sanitizer ends the process or
// std::terminate is called.
void installCrashReport();

}  // namespace velkora::test
