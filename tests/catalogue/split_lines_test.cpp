// Line splitting: CR, LF and CR LF ends, the final line, byte 0, bytes above 127.

#include <gtest/gtest.h>

#include <string>

#include "catalogue/text_resource.h"

namespace velkora {
namespace {

using namespace std::string_literals;

TEST(SplitLines, EachKindOfLineEnd) {
  EXPECT_EQ(splitLines("a\r\nb\r\n"), (ByteList{"a", "b"}));
  EXPECT_EQ(splitLines("a\nb\n"), (ByteList{"a", "b"}));
  EXPECT_EQ(splitLines("a\rb\r"), (ByteList{"a", "b"}));
  EXPECT_EQ(splitLines("a\rb\nc\r\nd"), (ByteList{"a", "b", "c", "d"}));
}

TEST(SplitLines, EmptyLinesAndTheEndOfTheText) {
  EXPECT_EQ(splitLines("a\r\r\nb"), (ByteList{"a", "", "b"}));  // CR CR LF: one empty entry
  EXPECT_EQ(splitLines("a\n\rb"), (ByteList{"a", "", "b"}));    // LF CR is two ends
  EXPECT_EQ(splitLines("a\r\n\r\nb"), (ByteList{"a", "", "b"}));
  EXPECT_EQ(splitLines("last"), (ByteList{"last"}));  // no terminator: kept
  EXPECT_EQ(splitLines("a\r\nlast"), (ByteList{"a", "last"}));
  EXPECT_EQ(splitLines("\r\n"), (ByteList{""}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (ByteList{"a", ""}));
  EXPECT_TRUE(splitLines("").empty());
}

TEST(SplitLines, NoTrimming) {
  EXPECT_EQ(splitLines("  a \t\r\n\tb"), (ByteList{"  a \t", "\tb"}));
}

TEST(SplitLines, ByteZeroEndsTheText) {
  EXPECT_EQ(splitLines("a\r\nb\0c\r\nd"s), (ByteList{"a", "b"}));
  EXPECT_TRUE(splitLines("\0a\r\n"s).empty());
}

TEST(SplitLines, BytesAbove127AreKept) {
  std::string high;
  for (int b = 128; b <= 255; ++b) {
    high.push_back(static_cast<char>(b));
  }
  const ByteList lines = splitLines(high + "\r\n" + "W\xFCrfel");
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0], high);
  EXPECT_EQ(lines[1], "W\xFCrfel");
}

}  // namespace
}  // namespace velkora
