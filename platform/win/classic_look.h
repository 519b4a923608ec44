#pragma once

// Drawing pieces of the classic look shared by the frame, menus and the taskbar.

#include <string_view>

#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/types.h"
#include "platform/win/win_types.h"

namespace win::look {

enum class Glyph { kClose, kMaximize, kRestore, kMinimize };

void Fill(win32::HDC hdc, const win32::RECT& rect, win32::COLORREF color);
void FillSystem(win32::HDC hdc, const win32::RECT& rect, int color_index);
// A two-pixel 3-D edge around the inside of `rect`.
void RaisedEdge(win32::HDC hdc, const win32::RECT& rect);
void SunkenEdge(win32::HDC hdc, const win32::RECT& rect);
// A caption-style button: raised face (sunken when pressed) and its glyph.
void CaptionButton(win32::HDC hdc, const win32::RECT& rect, Glyph glyph, bool pressed,
                   bool disabled);
// A horizontal colour ramp from `left` to `right`.
void Gradient(win32::HDC hdc, const win32::RECT& rect, win32::COLORREF left, win32::COLORREF right);
// The system's 8-point UI font, normal or bold.
win32::HFONT UiFont(bool bold);
// Text on one line, vertically centred, cut with an ellipsis; transparent background.
void Text(win32::HDC hdc, std::string_view text, win32::RECT rect, win32::COLORREF color, bool bold,
          win32::UINT extra_format = 0);
// A 16 x 16 picture of a window, the icon of windows that have none.
void DefaultIcon(win32::HDC hdc, int x, int y);
// An icon registered with the shell, 16 x 16; the default icon for an unknown handle.
void SmallIcon(win32::HDC hdc, int x, int y, win32::HICON icon);
// The icon a window shows in its caption and on the taskbar.
win32::HICON WindowIcon(win32::HWND hwnd);

}  // namespace win::look
