#include "animation/frame_palette.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

namespace velkora {

namespace {

constexpr std::size_t kMaxColours = 256;

// An open-addressing set of at most 256 colours with their indices; a frame
// of our pictures has a handful, so a lookup is a probe or two.
class SmallColourTable {
 public:
  // The colour's index, adding it; -1 once a 257th colour would be needed.
  int indexOf(std::uint32_t colour, std::vector<std::uint32_t>& palette) {
    std::size_t slot = hash(colour);
    while (true) {
      Slot& entry = slots_[slot];
      if (entry.index < 0) {
        if (palette.size() == kMaxColours) return -1;
        entry.colour = colour;
        entry.index = static_cast<int>(palette.size());
        palette.push_back(colour);
        return entry.index;
      }
      if (entry.colour == colour) return entry.index;
      slot = (slot + 1) & (kSlots - 1);
    }
  }

 private:
  static constexpr std::size_t kSlots = 1024;  // at most a quarter full
  struct Slot {
    std::uint32_t colour = 0;
    int index = -1;
  };
  static std::size_t hash(std::uint32_t colour) {
    return (colour * 2654435761u >> 22) & (kSlots - 1);
  }
  Slot slots_[kSlots];
};

int distance2(std::uint32_t x, std::uint32_t y) {
  const int dr = static_cast<int>((x >> 16) & 0xFF) - static_cast<int>((y >> 16) & 0xFF);
  const int dg = static_cast<int>((x >> 8) & 0xFF) - static_cast<int>((y >> 8) & 0xFF);
  const int db = static_cast<int>(x & 0xFF) - static_cast<int>(y & 0xFF);
  return dr * dr + dg * dg + db * db;
}

IndexedFrame quantised(std::span<const std::uint32_t> pixels, int width, int height, int stride) {
  std::unordered_map<std::uint32_t, std::size_t> counts;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      ++counts[pixels[static_cast<std::size_t>(y) * stride + x] | 0xFF000000u];
  }
  std::vector<std::pair<std::uint32_t, std::size_t>> byCount(counts.begin(), counts.end());
  // Most frequent first; equal counts by colour, so the result never depends on the map's order.
  std::sort(byCount.begin(), byCount.end(), [](const auto& p, const auto& q) {
    return p.second != q.second ? p.second > q.second : p.first < q.first;
  });
  IndexedFrame frame;
  frame.exact = false;
  std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
  for (std::size_t k = 0; k < kMaxColours; ++k) {
    frame.palette.push_back(byCount[k].first);
    indexOf[byCount[k].first] = static_cast<std::uint8_t>(k);
  }
  for (std::size_t k = kMaxColours; k < byCount.size(); ++k) {
    const std::uint32_t colour = byCount[k].first;
    std::size_t best = 0;
    for (std::size_t p = 1; p < kMaxColours; ++p) {
      if (distance2(colour, frame.palette[p]) < distance2(colour, frame.palette[best])) best = p;
    }
    indexOf[colour] = static_cast<std::uint8_t>(best);
  }
  frame.indices.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      frame.indices.push_back(
          indexOf[pixels[static_cast<std::size_t>(y) * stride + x] | 0xFF000000u]);
  }
  return frame;
}

}  // namespace

IndexedFrame indexFrame(std::span<const std::uint32_t> pixels, int width, int height, int stride) {
  IndexedFrame frame;
  frame.indices.resize(static_cast<std::size_t>(width) * height);
  SmallColourTable table;
  std::uint32_t last = 0;
  int lastIndex = -1;
  std::uint8_t* out = frame.indices.data();
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t colour = row[x] | 0xFF000000u;
      if (colour != last || lastIndex < 0) {
        lastIndex = table.indexOf(colour, frame.palette);
        if (lastIndex < 0) return quantised(pixels, width, height, stride);
        last = colour;
      }
      *out++ = static_cast<std::uint8_t>(lastIndex);
    }
  }
  return frame;
}

}  // namespace velkora
