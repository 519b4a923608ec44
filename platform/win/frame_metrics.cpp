#include "platform/win/frame_metrics.h"

#include "platform/win/messages.h"
#include "platform/win/styles.h"

namespace win {

using namespace win32;

bool HasCaption(DWORD style) {
  return (style & WS_CAPTION) == WS_CAPTION;
}

int CaptionHeight(DWORD style, DWORD ex_style) {
  if (!HasCaption(style)) return 0;
  int bar = (ex_style & WS_EX_TOOLWINDOW) ? FrameMetrics::kToolCaption : FrameMetrics::kCaption;
  return bar + FrameMetrics::kCaptionLine;
}

int FrameWidth(DWORD style, DWORD ex_style) {
  if (style & WS_THICKFRAME) return FrameMetrics::kSizingFrame;
  if ((style & WS_DLGFRAME) || (ex_style & WS_EX_DLGMODALFRAME)) return FrameMetrics::kDialogFrame;
  if (style & WS_BORDER) return FrameMetrics::kBorder;
  return 0;
}

FrameInsets NonClientInsets(DWORD style, DWORD ex_style) {
  int frame = FrameWidth(style, ex_style);
  if (ex_style & WS_EX_CLIENTEDGE) frame += FrameMetrics::kClientEdge;
  FrameInsets insets{frame, frame, frame, frame};
  insets.top += CaptionHeight(style, ex_style);
  return insets;
}

CaptionLayout LayoutCaption(DWORD style, DWORD ex_style, int width) {
  CaptionLayout layout;
  if (!HasCaption(style)) return layout;
  int frame = FrameWidth(style, ex_style);
  bool tool = (ex_style & WS_EX_TOOLWINDOW) != 0;
  int bar_height = tool ? FrameMetrics::kToolCaption : FrameMetrics::kCaption;
  layout.bar = {frame, frame, width - frame, frame + bar_height};
  int button_w = tool ? FrameMetrics::kToolButtonWidth : FrameMetrics::kButtonWidth;
  int button_h = tool ? FrameMetrics::kToolButtonHeight : FrameMetrics::kButtonHeight;
  int top = layout.bar.top + (bar_height - button_h) / 2;
  int right = layout.bar.right - 2;
  int text_left = layout.bar.left + 2;
  if ((style & WS_SYSMENU) && !tool) {
    layout.icon = {layout.bar.left + 1, layout.bar.top + 1,
                   layout.bar.left + 1 + FrameMetrics::kIcon,
                   layout.bar.top + 1 + FrameMetrics::kIcon};
    text_left = layout.icon.right + 2;
  }
  if (style & WS_SYSMENU) {
    layout.close = {right - button_w, top, right, top + button_h};
    right = layout.close.left - FrameMetrics::kButtonGap;
    if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
      layout.maximize = {right - button_w, top, right, top + button_h};
      layout.minimize = {layout.maximize.left - button_w, top, layout.maximize.left,
                         top + button_h};
      right = layout.minimize.left;
    }
  }
  layout.text = {text_left, layout.bar.top, right - 2, layout.bar.bottom};
  return layout;
}

namespace {

bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

LRESULT HitTestFrame(DWORD style, DWORD ex_style, int width, int height, bool maximized, POINT p) {
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
  FrameInsets insets = NonClientInsets(style, ex_style);
  RECT client{insets.left, insets.top, width - insets.right, height - insets.bottom};
  if (Inside(client, p)) return HTCLIENT;
  int frame = FrameWidth(style, ex_style);
  bool in_frame = p.x < frame || p.y < frame || p.x >= width - frame || p.y >= height - frame;
  if (in_frame) {
    if (!(style & WS_THICKFRAME) || maximized) return HTBORDER;
    int grip = FrameMetrics::kCornerGrip;
    bool left = p.x < grip, right = p.x >= width - grip;
    bool top = p.y < grip, bottom = p.y >= height - grip;
    if (p.y < frame) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (p.y >= height - frame) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (p.x < frame) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
  }
  CaptionLayout caption = LayoutCaption(style, ex_style, width);
  if (Inside(caption.close, p)) return HTCLOSE;
  if (Inside(caption.maximize, p)) return HTMAXBUTTON;
  if (Inside(caption.minimize, p)) return HTMINBUTTON;
  if (Inside(caption.icon, p)) return HTSYSMENU;
  if (HasCaption(style) && p.y < insets.top) return HTCAPTION;
  return HTBORDER;
}

}  // namespace win
