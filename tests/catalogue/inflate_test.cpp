// Inflation: the growth rule, empty input, damaged streams, and the caller's
// list staying as it was when inflation fails.

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "catalogue/errors.h"
#include "catalogue/inflate.h"
#include "catalogue/resources.h"
#include "catalogue/text_resource.h"
#include "tests/catalogue/zlib_reference.h"
#include "tests/helpers.h"

namespace velkora {
namespace {

// A 200 KB text that compresses to a few KB, so inflation grows the output many times.
std::string longText() {
  std::string text;
  for (int i = 0; text.size() < 200000; ++i) {
    text += '[';
    text += std::to_string(i % 50);
    text += "] 0.";
    text += std::to_string(i % 50 * 7919);
    text += "\r\n";
  }
  return text;
}

// One zlib stream that announces a preset dictionary (valid, but unusable without it).
std::vector<unsigned char> streamNeedingDictionary() {
  z_stream zs{};
  EXPECT_EQ(deflateInit(&zs, 9), Z_OK);
  static const char kDictionary[] = "Ikosaeder";
  deflateSetDictionary(&zs, reinterpret_cast<const Bytef*>(kDictionary), sizeof kDictionary - 1);
  std::string text = "Ikosaeder\r\nIkosaeder\r\n";
  std::vector<unsigned char> out(256);
  zs.next_in = reinterpret_cast<Bytef*>(text.data());
  zs.avail_in = static_cast<uInt>(text.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&zs, Z_FINISH), Z_STREAM_END);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

// Runs f and reports whether it raised EDecompressionError whose message says
// that the data cannot be unpacked and contains cause.
template <typename F>
bool raisesDecompressionError(F&& f, const std::string& cause = "") {
  try {
    f();
  } catch (const EDecompressionError& e) {
    const std::string message = e.what();
    return message.starts_with("Die eingebetteten Daten lassen sich nicht entpacken: ") &&
           message.find(cause) != std::string::npos;
  }
  return false;
}

using Capacities = std::vector<std::size_t>;

TEST(InflateGrowth, NameListTakesTwoRoundsWithoutEstimate) {
  const auto stream = findResource("velkora");
  ASSERT_EQ(stream.size(), 280U);
  const std::string expected = test::zlibInflate(stream);
  ASSERT_EQ(expected.size(), 672U);

  // Step 512: first 512 bytes, then 1024, trimmed to 672.
  InflateRounds rounds;
  const std::vector<unsigned char> out = inflateBuffer(stream.data(), stream.size(), 0, &rounds);
  EXPECT_EQ(rounds.capacities, (Capacities{512, 1024}));
  EXPECT_EQ(out.size(), 672U);
  EXPECT_EQ(out.capacity(), 672U);
  EXPECT_EQ(std::string(out.begin(), out.end()), expected);

  // decompressStream takes the same rounds.
  InflateRounds viaStream;
  EXPECT_EQ(decompressStream(stream, &viaStream), expected);
  EXPECT_EQ(viaStream.capacities, (Capacities{512, 1024}));
}

TEST(InflateGrowth, EstimateSetsTheFirstCapacityAndTheStepStillGrowsIt) {
  const auto stream = findResource("velkora");
  const std::string expected = test::zlibInflate(stream);
  struct Case {
    std::size_t estimate;
    Capacities capacities;  // rounds of output space: estimate, estimate + 512, ...
  };
  for (const Case& c : {Case{672, {672}}, Case{5000, {5000}}, Case{671, {671, 1183}},
                        Case{100, {100, 612, 1124}}}) {
    InflateRounds rounds{{7, 7, 7}};  // stale entries from an earlier use are replaced
    const std::vector<unsigned char> out =
        inflateBuffer(stream.data(), stream.size(), c.estimate, &rounds);
    EXPECT_EQ(rounds.capacities, c.capacities) << "estimate " << c.estimate;
    EXPECT_EQ(std::string(out.begin(), out.end()), expected) << "estimate " << c.estimate;
  }
}

TEST(InflateGrowth, ManyRoundsKeepEveryByte) {
  const std::string text = longText();
  const std::vector<unsigned char> stream = test::zlibCompress(text);
  InflateRounds rounds;
  EXPECT_EQ(decompressStream(stream, &rounds), text);
  // The step is the input length rounded up to 256; every round adds one step, and
  // the last round is the first that holds the whole text.
  const std::size_t step = (stream.size() + 255) / 256 * 256;
  const std::size_t expectedRounds = (text.size() + step - 1) / step;
  ASSERT_GT(expectedRounds, 10U);
  ASSERT_EQ(rounds.capacities.size(), expectedRounds);
  for (std::size_t r = 0; r < expectedRounds; ++r) {
    EXPECT_EQ(rounds.capacities[r], (r + 1) * step) << "round " << r;
  }
}

TEST(InflateGrowth, FailedInflationStillReportsItsRounds) {
  const std::vector<unsigned char> stream = test::zlibCompress(longText());
  // Cut just before the checksum: every round but the last makes progress.
  const auto cut = test::truncated(stream, stream.size() - 4);
  InflateRounds rounds;
  EXPECT_THROW(decompressStream(cut, &rounds), EDecompressionError);
  EXPECT_GT(rounds.capacities.size(), 10U);
}

TEST(InflateEmpty, EmptySourceGivesEmptyListWithoutInflating) {
  ByteList list{"old", "entries"};
  loadTextFromCompressed(list, {});
  EXPECT_TRUE(list.empty());
  InflateRounds rounds{{512}};
  EXPECT_TRUE(decompressStream({}, &rounds).empty());
  EXPECT_TRUE(rounds.capacities.empty());
}

TEST(InflateEmpty, ZeroLengthStreamHandedToInflateIsAnError) {
  const unsigned char none[1] = {0};
  EXPECT_TRUE(raisesDecompressionError([&] { inflateBuffer(none, 0, 0); }, "enden vor dem Ende"));
  InflateRounds rounds;
  EXPECT_TRUE(raisesDecompressionError([&] { inflateBuffer(none, 0, 64, &rounds); }));
  // zlib was asked once and could make no progress.
  EXPECT_EQ(rounds.capacities, (Capacities{64}));
}

TEST(InflateDamaged, EveryTruncationRaisesTheErrorWithHowFarItGot) {
  const auto stream = findResource("velkora");
  for (std::size_t keep = 1; keep < stream.size(); ++keep) {
    const auto cut = test::truncated(stream, keep);
    EXPECT_TRUE(raisesDecompressionError([&] { decompressStream(cut); },
                                         " von " + std::to_string(keep) + " Bytes)"))
        << "kept " << keep << " bytes";
  }
}

TEST(InflateDamaged, EveryBitFlipRaisesTheError) {
  const auto stream = findResource("velkora");
  const std::string original = test::zlibInflate(stream);
  // The last deflate byte (before the 4 checksum bytes) may end in padding bits that
  // inflate never reads; a flip there must either fail or change nothing.
  const std::size_t lastDataByte = stream.size() - 5;
  for (std::size_t bit = 0; bit < 8 * stream.size(); ++bit) {
    const auto flipped = test::bitFlipped(stream, bit);
    if (bit / 8 != lastDataByte) {
      EXPECT_TRUE(raisesDecompressionError([&] { decompressStream(flipped); })) << "bit " << bit;
      continue;
    }
    try {
      EXPECT_EQ(decompressStream(flipped), original) << "bit " << bit;
    } catch (const EDecompressionError&) {
    }
  }
}

TEST(InflateDamaged, StreamsThatAreNotUsableRaiseTheErrorWithTheirCause) {
  const std::string plain = "Tetraeder\t0\r\n";
  const std::vector<unsigned char> notZlib(plain.begin(), plain.end());
  EXPECT_TRUE(raisesDecompressionError([&] { decompressStream(notZlib); }, "ungültiger Kopf"));
  const auto needsDictionary = streamNeedingDictionary();
  EXPECT_TRUE(raisesDecompressionError([&] { decompressStream(needsDictionary); }, "Wörterbuch"));
}

TEST(InflateDamaged, FailureLeavesTheListAsItWas) {
  const std::vector<unsigned char> stream = test::zlibCompress(longText());
  ByteList list{"[1]", "4", "W\xFCrfel"};
  const ByteList before = list;

  // Cut just before the checksum: the error comes after many rounds of output.
  const auto cut = test::truncated(stream, stream.size() - 4);
  EXPECT_TRUE(raisesDecompressionError([&] { loadTextFromCompressed(list, cut); }));
  EXPECT_EQ(list, before);

  const auto flipped = test::bitFlipped(stream, 8 * (stream.size() - 2));
  EXPECT_TRUE(raisesDecompressionError([&] { loadTextFromCompressed(list, flipped); }));
  EXPECT_EQ(list, before);
}

TEST(InflateRoundTrip, EveryByteExceptZeroComesBackUnchanged) {
  std::string text;
  for (int b = 1; b <= 255; ++b) {
    if (b != '\r' && b != '\n') {
      text.push_back(static_cast<char>(b));
    }
    if (b % 16 == 0) {
      text += "\r\n";
    }
  }
  text += "\r\n";
  ByteList list{"old"};
  loadTextFromCompressed(list, test::zlibCompress(text));
  EXPECT_EQ(list, splitLines(text));
  std::string joined;
  for (const ByteString& line : list) {
    joined += line + "\r\n";
  }
  EXPECT_EQ(joined, text);
}

}  // namespace
}  // namespace velkora
