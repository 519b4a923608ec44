#pragma once

#include "platform/win/win_types.h"

namespace win {

// Every size of the classic window frame at 96 DPI, in one place.
struct FrameMetrics {
  static constexpr int kCaption = 18;      // caption bar height
  static constexpr int kCaptionLine = 1;   // the line under the caption bar
  static constexpr int kToolCaption = 15;  // caption bar of a tool window
  static constexpr int kSizingFrame = 4;   // WS_THICKFRAME, each side
  static constexpr int kDialogFrame = 3;   // WS_DLGFRAME: 1 px border plus 2 px of edge
  static constexpr int kBorder = 1;        // WS_BORDER alone
  static constexpr int kClientEdge = 2;    // WS_EX_CLIENTEDGE
  static constexpr int kButtonWidth = 16;  // caption buttons
  static constexpr int kButtonHeight = 14;
  static constexpr int kToolButtonWidth = 12;
  static constexpr int kToolButtonHeight = 11;
  static constexpr int kButtonGap = 2;        // between the maximise and close buttons
  static constexpr int kIcon = 16;            // the small icon at the caption's left
  static constexpr int kMinTrackWidth = 112;  // the system's smallest tracking size
  static constexpr int kMinTrackHeight = 27;
  static constexpr int kMinimizedWidth = 160;
  static constexpr int kMinimizedPosition = -32000;
  static constexpr int kCornerGrip = 16;  // a corner's sizing zone along each edge
};

// Widths of the non-client parts on each side (the caption included in the top).
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

FrameInsets NonClientInsets(win32::DWORD style, win32::DWORD ex_style);
// Width of the outer frame alone (sizing, dialog or thin border) on each side.
int FrameWidth(win32::DWORD style, win32::DWORD ex_style);
bool HasCaption(win32::DWORD style);
int CaptionHeight(win32::DWORD style, win32::DWORD ex_style);

// The caption's parts in window coordinates for a window of the given size; empty rects
// for parts the style does not have.
struct CaptionLayout {
  win32::RECT bar;
  win32::RECT icon;
  win32::RECT close;
  win32::RECT maximize;
  win32::RECT minimize;
  win32::RECT text;
};
CaptionLayout LayoutCaption(win32::DWORD style, win32::DWORD ex_style, int width);

// The hit-test code for a point in window coordinates of a window of the given size.
win32::LRESULT HitTestFrame(win32::DWORD style, win32::DWORD ex_style, int width, int height,
                            bool maximized, win32::POINT point);

}  // namespace win
