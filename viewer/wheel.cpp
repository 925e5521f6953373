#include "viewer/wheel.h"

namespace velkora {

int wheelNotches(WheelAccumulator& wheel, int delta) {
  if ((delta > 0 && wheel.remainder < 0) || (delta < 0 && wheel.remainder > 0)) {
    wheel.remainder = 0;
  }
  // Summed in 64 bits: a device may report large deltas.
  const long long total = static_cast<long long>(wheel.remainder) + delta;
  const long long notches = total / kWheelNotch;  // truncates toward zero
  wheel.remainder = static_cast<int>(total - notches * kWheelNotch);
  return static_cast<int>(notches);
}

}  // namespace velkora
