#pragma once
// The drawing surface the frame is painted through: pen (colour, width, solid
// or dotted with the gaps in the fill colour), fill colour, filled and outlined
// polygons and ellipses, and the per-channel AND of a second layer. Holds the
// drawing state; the pixels belong to the implementation.

#include <cstdint>
#include <span>

namespace velkora {

enum class PenStyle { Solid, Dotted };

// An integer pixel position: x to the right, y downward, (0, 0) at the top left.
struct PixelPoint {
  int x = 0;
  int y = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  // Colours are 0x00RRGGBB or 0xFFRRGGBB; the top byte is ignored.
  void setPenColour(std::uint32_t colour) { pen_ = colour | 0xFF000000u; }
  void setPenStyle(PenStyle style) { penStyle_ = style; }
  void setFillColour(std::uint32_t colour) { fill_ = colour | 0xFF000000u; }
  // A pen of width w (at least 1) draws outlines w pixels across: with
  // corners that are multiples of w apart, an axis-aligned outline is the
  // one-pixel outline with every pixel grown into the w x w block below and
  // right of it, dots and gaps included. Ellipse outlines are w pixels thick.
  void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
  int penWidth() const { return penWidth_; }
  std::uint32_t penColour() const { return pen_; }
  PenStyle penStyle() const { return penStyle_; }
  std::uint32_t fillColour() const { return fill_; }

  virtual int width() const = 0;
  virtual int height() const = 0;
  // Row y (0 <= y < height) as width pixels 0xFFRRGGBB.
  virtual const std::uint32_t* row(int y) const = 0;
  std::uint32_t pixel(int x, int y) const { return row(y)[x]; }

  // Paints every pixel white.
  virtual void clearWhite() = 0;
  // Fills the closed polygon through the corners (the last joined to the
  // first) and outlines it with the pen. Meant for convex polygons; at least
  // one corner draws something. Parts outside the surface are clipped.
  virtual void polygon(std::span<const PixelPoint> corners) = 0;
  // Fills and outlines the ellipse inside the box; right and bottom are
  // excluded, so (96, 196, 105, 205) covers columns 96-104 and rows 196-204.
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  // Every pixel becomes itself AND the layer's pixel at the same position,
  // bitwise per channel, both aligned at the top left corner; only the
  // overlapping area takes part.
  virtual void andCombine(const Canvas& layer) = 0;

 private:
  std::uint32_t pen_ = 0xFF000000u;
  std::uint32_t fill_ = 0xFFFFFFFFu;
  PenStyle penStyle_ = PenStyle::Solid;
  int penWidth_ = 1;
};

}  // namespace velkora
