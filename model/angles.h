#pragma once
// Extended-precision angle constants shared by rotation and the sphere meshes.
// long double is the 80-bit x87 format (64-bit significand) on the target
// platform; every angle of the program is converted with this one factor.

namespace velkora {

// pi / 180, rounded once to extended precision.
inline constexpr long double kDegree = 0.0174532925199432957692369076848861271L;

// The initial tilt, -pi / 6 (-30 degrees); equals -30 * kDegree in extended precision.
inline constexpr long double kTiltAngle = -0.523598775598298873077107230546583814L;

}  // namespace velkora
