#include "platform/vb/std_font.h"

#include <cmath>

#include "platform/vb/error.h"

namespace vb {

void StdFont::Size(float value) {
  // The engine refuses sizes it cannot realise as a font height.
  if (!std::isfinite(value) || value <= 0 || value > 2160) throw Error(kInvalidPropertyValue);
  size_ = value;
}

void StdFont::Weight(std::int16_t value) {
  if (value < 0 || value > 1000) throw Error(kInvalidPropertyValue);
  weight_ = value;
}

bool StdFont::SameAttributes(const StdFont& other) const {
  return name_ == other.name_ && size_ == other.size_ && weight_ == other.weight_ &&
         italic_ == other.italic_ && underline_ == other.underline_ &&
         strikethrough_ == other.strikethrough_ && charset_ == other.charset_;
}

}  // namespace vb
