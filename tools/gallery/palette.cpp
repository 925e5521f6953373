// Median-cut palette reduction for the gallery thumbnails.
#include "tools/gallery/palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

#include <QColor>

namespace velkora::gallery {

namespace {

struct ColourCount {
  QRgb colour = 0;
  std::int64_t count = 0;
};

int channel(QRgb colour, int c) {
  return c == 0 ? qRed(colour) : c == 1 ? qGreen(colour) : qBlue(colour);
}

// A box of the colour cube: the colours [begin, end) of the shared list.
struct Box {
  std::size_t begin = 0;
  std::size_t end = 0;

  // The channel with the widest spread and its spread.
  std::pair<int, int> widest(const std::vector<ColourCount>& colours) const {
    std::array<int, 3> low{255, 255, 255};
    std::array<int, 3> high{0, 0, 0};
    for (std::size_t i = begin; i < end; ++i) {
      for (std::size_t c = 0; c < 3; ++c) {
        const int v = channel(colours[i].colour, static_cast<int>(c));
        low[c] = std::min(low[c], v);
        high[c] = std::max(high[c], v);
      }
    }
    std::pair<int, int> best{0, high[0] - low[0]};
    for (std::size_t c = 1; c < 3; ++c) {
      if (high[c] - low[c] > best.second) best = {static_cast<int>(c), high[c] - low[c]};
    }
    return best;
  }

  // The pixel-weighted mean colour of the box.
  QRgb mean(const std::vector<ColourCount>& colours) const {
    std::array<std::int64_t, 3> sum{0, 0, 0};
    std::int64_t total = 0;
    for (std::size_t i = begin; i < end; ++i) {
      for (int c = 0; c < 3; ++c) {
        sum[static_cast<std::size_t>(c)] += channel(colours[i].colour, c) * colours[i].count;
      }
      total += colours[i].count;
    }
    const auto avg = [&](std::size_t c) { return static_cast<int>((sum[c] + total / 2) / total); };
    return qRgb(avg(0), avg(1), avg(2));
  }
};

// Median cut: splits the box with the widest channel spread at the pixel
// median of that channel until there are maxColours boxes or none can split.
std::vector<QRgb> medianCut(std::vector<ColourCount>& colours, int maxColours) {
  std::vector<Box> boxes{{0, colours.size()}};
  while (static_cast<int>(boxes.size()) < maxColours) {
    std::size_t chosen = boxes.size();
    int chosenSpread = 0;
    int chosenChannel = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      const auto [c, spread] = boxes[b].widest(colours);
      if (spread > chosenSpread) {
        chosen = b;
        chosenSpread = spread;
        chosenChannel = c;
      }
    }
    if (chosen == boxes.size()) break;
    Box box = boxes[chosen];
    const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [chosenChannel](const ColourCount& a, const ColourCount& b) {
      return channel(a.colour, chosenChannel) < channel(b.colour, chosenChannel);
    });
    std::int64_t total = 0;
    for (auto it = first; it != last; ++it)
      total += it->count;
    std::int64_t running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      running += colours[i].count;
      split = i + 1;
      if (2 * running >= total) break;
    }
    boxes[chosen] = {box.begin, split};
    boxes.push_back({split, box.end});
  }
  std::vector<QRgb> palette;
  palette.reserve(boxes.size());
  for (const Box& box : boxes)
    palette.push_back(box.mean(colours));
  return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

QImage toPalette(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  std::unordered_map<QRgb, std::int64_t> histogram;
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x)
      ++histogram[line[x] | 0xFF000000u];
  }
  std::vector<ColourCount> colours;
  colours.reserve(histogram.size());
  for (const auto& [colour, count] : histogram)
    colours.push_back({colour, count});
  // A fixed order, so the same picture always gets the same palette.
  std::sort(colours.begin(), colours.end(),
            [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

  std::vector<QRgb> palette;
  if (static_cast<int>(colours.size()) <= kMaxPaletteColours) {
    for (const ColourCount& c : colours)
      palette.push_back(c.colour);
  } else {
    palette = medianCut(colours, kMaxPaletteColours);
  }

  std::unordered_map<QRgb, int> indexOf;
  for (const ColourCount& c : colours)
    indexOf[c.colour] = nearest(palette, c.colour);

  QImage result(source.size(), QImage::Format_Indexed8);
  result.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = result.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      out[x] = static_cast<uchar>(indexOf.at(line[x] | 0xFF000000u));
    }
  }
  return result;
}

}  // namespace velkora::gallery
