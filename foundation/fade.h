#pragma once

#include <cstdint>

namespace quorin {

// Makes a window layered at the given opacity (only the low byte of `Alpha` counts), adds the
// click-through style when asked, never removes a style, and pins it topmost when asked.
// Failures of the platform calls are ignored.
void SetWindowAlpha(std::int32_t hWnd, std::int32_t Alpha, bool TopMost, bool ClickThrough);

}  // namespace quorin
