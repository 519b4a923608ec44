#pragma once

// Helpers shared by the skin's handlers (the engine's step helpers, and the skin's size).

#include "platform/host/control/steps.h"

namespace quorin {

// The skin's minimum size, in twips.
constexpr float kSkinMinWidthTwips = 3400;
constexpr float kSkinMinHeightTwips = 1850;

}  // namespace quorin
