#pragma once
// The point of the test references (fold and depth): three plain coordinates, so that those
// references share no geometry with the program they check. Test support only.

namespace velkora::test {

struct RefPoint {
  double x, y, z;
};

}  // namespace velkora::test
