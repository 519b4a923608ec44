#pragma once

#include <string>

#include "platform/vb/std_font.h"
#include "platform/win/user32.h"

namespace host {

// A device context for measuring text outside any window.
win32::HDC MeasuringDC();
// Text size in pixels in a font (with "&" prefixes hidden unless no_prefix).
win32::SIZE MeasureText(const vb::StdFont& font, const std::string& text, bool no_prefix = false);
int LineHeight(const vb::StdFont& font);
// Draws text in a rectangle with a font, colour and DrawText format (transparent).
void DrawTextIn(win32::HDC hdc, const vb::StdFont& font, vb::COLORREF color,
                const std::string& text, win32::RECT rect, win32::UINT format);
void FillSolid(win32::HDC hdc, win32::RECT rect, vb::COLORREF color);

}  // namespace host
