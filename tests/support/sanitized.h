#pragma once
// Whether this test program is built with a sanitizer, and how many rounds a
// long loop of a test runs there. The plain build runs every round and checks
// every result; under the sanitizers, whose instrumentation makes each round
// many times slower, a share of the rounds runs the same code paths, which is
// what the sanitizers look at.

#include <algorithm>

namespace velkora::test {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// rounds in the plain build; under the sanitizers rounds / share, at least one.
constexpr int roundsToRun(int rounds, int share) {
  return kSanitized ? std::max(1, rounds / share) : rounds;
}

}  // namespace velkora::test
