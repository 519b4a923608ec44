#include "platform/vb/convert.h"

#include <cmath>
#include <limits>

#include "platform/vb/error.h"

namespace vb {

double RoundHalfEven(double value) {
  return std::nearbyint(value);
}

namespace {

template <typename T>
T RoundChecked(double value) {
  if (!std::isfinite(value)) throw Error(kOverflow);
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<T>::max())) {
    throw Error(kOverflow);
  }
  return static_cast<T>(rounded);
}

}  // namespace

std::int16_t CInt(double value) {
  return RoundChecked<std::int16_t>(value);
}
std::int32_t CLng(double value) {
  return RoundChecked<std::int32_t>(value);
}

float CSng(double value) {
  if (std::isnan(value)) throw Error(kOverflow);
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw Error(kOverflow);
  }
  return static_cast<float>(value);
}

}  // namespace vb
