#pragma once
// Counting the outcomes of a run of damaged inputs and printing them as one
// line that can be quoted: cases tried, errors raised, successes, failures.
// Knows nothing of what the cases are.

#include <cstddef>
#include <iostream>
#include <string>

namespace velkora::test {

struct Tally {
  std::size_t cases = 0;
  std::size_t errors = 0;     // rejected with the expected kind of exception
  std::size_t successes = 0;  // accepted with a valid result
  std::size_t failures = 0;   // anything else: a wrong result or a wrong exception

  Tally& operator+=(const Tally& other) {
    cases += other.cases;
    errors += other.errors;
    successes += other.successes;
    failures += other.failures;
    return *this;
  }

  // One line on stdout: "<what>: N cases, E errors raised, S successes, F failures".
  void print(const std::string& what) const {
    std::cout << what << ": " << cases << " cases, " << errors << " errors raised, " << successes
              << " successes, " << failures << " failures" << std::endl;
  }
};

}  // namespace velkora::test
