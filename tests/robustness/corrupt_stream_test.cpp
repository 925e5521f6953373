// Damaged compressed texts: thousands of random truncations, bit flips and
// byte overwrites of each embedded stream either raise EDecompressionError and
// leave a filled list as it was, or give exactly the text that zlib's own
// one-call inflate makes of the same bytes. Never a crash, never a hang.

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/errors.h"
#include "catalogue/resources.h"
#include "catalogue/text_resource.h"
#include "tests/catalogue/zlib_reference.h"
#include "tests/helpers.h"
#include "tests/robustness/tally.h"

namespace velkora {
namespace {

using Bytes = std::vector<unsigned char>;
using Clock = std::chrono::steady_clock;

// Cases per resource and kind of damage.
constexpr int kTruncations = 2000;
constexpr int kBitFlips = 4000;
constexpr int kOverwrites = 3000;
constexpr int kMixed = 1000;  // two to six flips and overwrites in one stream
// One inflation takes milliseconds; a case this slow counts as a hang.
constexpr double kHangSeconds = 5.0;

// What zlib itself makes of stream, or nothing when it refuses the stream.
std::optional<std::string> referenceInflate(std::span<const unsigned char> stream) {
  try {
    return test::zlibInflate(stream);
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

std::size_t below(std::mt19937& rng, std::size_t n) {
  return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

// stream with the byte at a random position replaced by a different value.
Bytes overwritten(std::span<const unsigned char> stream, std::mt19937& rng) {
  Bytes copy(stream.begin(), stream.end());
  const std::size_t at = below(rng, copy.size());
  copy[at] ^= static_cast<unsigned char>(1 + below(rng, 255));
  return copy;
}

Bytes mixedDamage(std::span<const unsigned char> stream, std::mt19937& rng) {
  Bytes copy(stream.begin(), stream.end());
  const std::size_t hits = 2 + below(rng, 5);
  for (std::size_t h = 0; h < hits; ++h) {
    copy = below(rng, 2) == 0 ? test::bitFlipped(copy, below(rng, 8 * copy.size()))
                              : overwritten(copy, rng);
  }
  return copy;
}

struct DamageRun {
  test::Tally tally;
  std::size_t zlibRefused = 0;  // cases that zlib's own inflate refuses
  double slowestSeconds = 0.0;
  std::vector<std::string> faults;  // the first few cases that went wrong
};

// Loads damaged into a list that already holds entries and checks the outcome
// against zlib's verdict on the same bytes.
void tryDamaged(const Bytes& damaged, const std::string& what, DamageRun& run) {
  const ByteList filled{"[1]", "4", "vorher \xFC", ""};
  ByteList list = filled;
  const std::optional<std::string> expected = referenceInflate(damaged);
  ++run.tally.cases;
  if (!expected) ++run.zlibRefused;
  std::string fault;
  const auto start = Clock::now();
  try {
    loadTextFromCompressed(list, damaged);
    if (!expected) {
      fault = "accepted a stream that zlib refuses";
    } else if (list != splitLines(*expected)) {
      fault = "inflated text differs from zlib's";
    } else {
      ++run.tally.successes;
    }
  } catch (const EDecompressionError& e) {
    if (!std::string(e.what()).starts_with(
            "Die eingebetteten Daten lassen sich nicht entpacken: ")) {
      fault = std::string("message ") + e.what();
    } else if (list != filled) {
      fault = "the filled list changed";
    } else if (expected) {
      fault = "refused a stream that zlib inflates";
    } else {
      ++run.tally.errors;
    }
  } catch (const std::exception& e) {
    fault = std::string("unexpected exception: ") + e.what();
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  run.slowestSeconds = std::max(run.slowestSeconds, seconds);
  if (seconds > kHangSeconds) {
    fault += " took " + std::to_string(seconds) + " s";
  }
  if (!fault.empty()) {
    ++run.tally.failures;
    if (run.faults.size() < 10) run.faults.push_back(what + ": " + fault);
  }
}

class CorruptedResource : public ::testing::TestWithParam<const char*> {};

TEST_P(CorruptedResource, RaisesFehlerOrInflatesAsZlibDoesAndKeepsTheList) {
  const std::string name = GetParam();
  const std::span<const unsigned char> stream = findResource(name);
  ASSERT_GT(stream.size(), 8U);
  // A fixed seed per resource: every run tries the same cases.
  std::mt19937 rng(static_cast<std::mt19937::result_type>(20261208 + stream.size()));
  DamageRun run;

  for (int i = 0; i < kTruncations; ++i) {
    // Keeping 0 bytes would be an empty resource, which is a valid empty text.
    const std::size_t keep = 1 + below(rng, stream.size() - 1);
    tryDamaged(test::truncated(stream, keep), "kept " + std::to_string(keep) + " bytes", run);
  }
  for (int i = 0; i < kBitFlips; ++i) {
    const std::size_t bit = below(rng, 8 * stream.size());
    tryDamaged(test::bitFlipped(stream, bit), "bit " + std::to_string(bit), run);
  }
  for (int i = 0; i < kOverwrites; ++i) {
    tryDamaged(overwritten(stream, rng), "overwrite " + std::to_string(i), run);
  }
  for (int i = 0; i < kMixed; ++i) {
    tryDamaged(mixedDamage(stream, rng), "mixed damage " + std::to_string(i), run);
  }

  run.tally.print("corrupted " + name);
  std::cout << "corrupted " << name << ": slowest case " << run.slowestSeconds * 1000.0 << " ms"
            << std::endl;
  EXPECT_EQ(run.tally.failures, 0U);
  // Exactly the streams that zlib refuses raise the error; all others inflate.
  EXPECT_EQ(run.tally.errors, run.zlibRefused);
  EXPECT_EQ(run.tally.successes, run.tally.cases - run.zlibRefused);
  for (const std::string& fault : run.faults) {
    ADD_FAILURE() << name << ", " << fault;
  }
  // Almost every damage is caught by the checksum or the deflate format.
  EXPECT_GT(run.tally.errors, run.tally.cases * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(EmbeddedTexts, CorruptedResource,
                         ::testing::Values("velkora", "mpoly1", "mpoly2"));

}  // namespace
}  // namespace velkora
