#pragma once

#include "platform/gfx/bitmap.h"
#include "platform/win/input_state.h"

namespace desktop {

// Draws the cursor with its hot spot at (x, y); returns the screen rectangle it covers.
win32::RECT DrawCursor(gfx::Bitmap& screen, const win::InputState& input, int x, int y);

}  // namespace desktop
