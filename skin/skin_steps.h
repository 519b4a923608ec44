#pragma once

// Helpers shared by the skin's handlers.

#include "platform/vb/error.h"

namespace quorin {

// The skin's minimum size, in twips.
constexpr float kSkinMinWidthTwips = 3400;
constexpr float kSkinMinHeightTwips = 1850;

// Runs one step of a handler whose failing steps are skipped: a run-time error ends the step
// and the handler goes on with the next one. Run over a handler's whole body, it makes the
// handler end silently at its first failure. Returns whether the step completed.
template <typename Step>
bool Skipping(Step&& step) {
  try {
    step();
    return true;
  } catch (const vb::Error&) {
    return false;
  }
}

}  // namespace quorin
