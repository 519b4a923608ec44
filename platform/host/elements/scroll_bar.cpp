#include "platform/host/elements/scroll_bar.h"

#include <algorithm>

#include "platform/gfx/gdi.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"

namespace VB {

namespace {

// A small black arrow in a button: direction 0 up, 1 down, 2 left, 3 right.
void Arrow(win32::HDC hdc, win32::RECT r, int direction, vb::COLORREF color) {
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case 0:
        host::FillSolid(hdc, {cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, color);
        break;
      case 1:
        host::FillSolid(hdc, {cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i}, color);
        break;
      case 2:
        host::FillSolid(hdc, {cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, color);
        break;
      default:
        host::FillSolid(hdc, {cx - 1 + i, cy - 3 + i, cx + i, cy + 4 - i}, color);
        break;
    }
  }
}

}  // namespace

ScrollBar::ScrollBar(bool vertical) : vertical_(vertical) {
  if (vertical) {
    SetTwips(0, 0, 255, 1215);
  } else {
    SetTwips(0, 0, 1215, 255);
  }
}

void ScrollBar::Min(std::int16_t value) {
  min_ = value;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  Invalidate();
}
void ScrollBar::Max(std::int16_t value) {
  max_ = value;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  Invalidate();
}
void ScrollBar::SmallChange(std::int16_t value) {
  if (value < 0) throw vb::Error(vb::kInvalidPropertyValue);
  small_change_ = value;
}
void ScrollBar::LargeChange(std::int16_t value) {
  if (value < 0) throw vb::Error(vb::kInvalidPropertyValue);
  large_change_ = value;
}

void ScrollBar::Value(std::int16_t value) {
  if (value < std::min(min_, max_) || value > std::max(min_, max_)) {
    throw vb::Error(vb::kInvalidPropertyValue);
  }
  if (value == value_) return;
  value_ = value;
  Invalidate();
  if (RaisesChangeEvents()) host::RaiseOn(*this, "Change", [this] { Change(); });
}

void ScrollBar::Step(int steps) {
  const int direction = max_ >= min_ ? 1 : -1;
  const int wanted = value_ + steps * direction;
  Value(static_cast<std::int16_t>(std::clamp(wanted, static_cast<int>(std::min(min_, max_)),
                                             static_cast<int>(std::max(min_, max_)))));
}

std::pair<int, int> ScrollBar::Thumb(win32::RECT r) const {
  const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
  const int button = vertical_ ? r.right - r.left : r.bottom - r.top;
  const int track = std::max(0, length - 2 * button);
  const int thumb = std::min(track, std::max(8, button));
  const int range = std::abs(max_ - min_);
  const int at = range == 0 ? 0 : (track - thumb) * std::abs(value_ - min_) / range;
  return {button + at, button + at + thumb};
}

void ScrollBar::OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                        float y) {
  win32::POINT p{};
  win32::GetCursorPos(&p);
  win32::ScreenToClient(window(), &p);
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  const int length = vertical_ ? r.bottom : r.right;
  const int size = vertical_ ? r.right : r.bottom;
  const auto [thumb_start, thumb_end] = Thumb(r);
  const int at = Along(p);
  if (drag_from_ && kind != host::MouseKind::kDown) {
    // The thumb follows the mouse along the track; the value follows the thumb.
    const int travel = std::max(1, length - 2 * size - (thumb_end - thumb_start));
    const int range = max_ - min_;
    const int wanted = drag_value_ + (at - *drag_from_) * range / travel;
    const int low = std::min(min_, max_), high = std::max(min_, max_);
    const auto value = static_cast<std::int16_t>(std::clamp(wanted, low, high));
    if (kind == host::MouseKind::kUp) {
      drag_from_.reset();
      value_ = value;
      Invalidate();
      if (value != drag_value_) host::RaiseOn(*this, "Change", [this] { Change(); });
    } else if (value != value_) {
      value_ = value;
      Invalidate();
      host::RaiseOn(*this, "Scroll", [this] { Scroll(); });
    }
    if (!alive()) return;
  } else if (kind == host::MouseKind::kDown && button == host::vbLeftButton) {
    if (at >= thumb_start && at < thumb_end) {
      drag_from_ = at;
      drag_value_ = value_;
    } else if (at < size) {
      Step(-small_change_);
    } else if (at >= length - size) {
      Step(small_change_);
    } else if (at < thumb_start) {
      Step(-large_change_);
    } else if (at >= thumb_end) {
      Step(large_change_);
    }
    if (!alive()) return;
  }
  Element::OnMouse(kind, button, shift, x, y);
}

void ScrollBar::OnKeyDown(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyDown(key, shift);
  if (!alive()) return;
  if (key == win32::VK_DOWN || key == win32::VK_RIGHT) Step(small_change_);
  if (key == win32::VK_UP || key == win32::VK_LEFT) Step(-small_change_);
}

void ScrollBar::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::GetSysColor(vb::COLOR_SCROLLBAR));
  const int size = vertical_ ? r.right - r.left : r.bottom - r.top;
  const win32::RECT first = vertical_ ? win32::RECT{r.left, r.top, r.right, r.top + size}
                                      : win32::RECT{r.left, r.top, r.left + size, r.bottom};
  const win32::RECT last = vertical_ ? win32::RECT{r.left, r.bottom - size, r.right, r.bottom}
                                     : win32::RECT{r.right - size, r.top, r.right, r.bottom};
  const auto [thumb_start, thumb_end] = Thumb(r);
  const win32::RECT thumb = vertical_ ? win32::RECT{r.left, thumb_start, r.right, thumb_end}
                                      : win32::RECT{thumb_start, r.top, thumb_end, r.bottom};
  const vb::COLORREF glyph = vb::GetSysColor(Enabled() ? vb::COLOR_BTNTEXT : vb::COLOR_GRAYTEXT);
  for (win32::RECT box : {first, last, thumb}) {
    if (box.right <= box.left || box.bottom <= box.top) continue;
    host::FillSolid(hdc, box, vb::GetSysColor(vb::COLOR_BTNFACE));
    win32::DrawEdge(hdc, &box, win32::EDGE_RAISED, win32::BF_RECT);
  }
  Arrow(hdc, first, vertical_ ? 0 : 2, glyph);
  Arrow(hdc, last, vertical_ ? 1 : 3, glyph);
}

void ScrollBar::CopyScrollStateTo(ScrollBar& copy) const {
  CopyStateTo(copy);
  copy.min_ = min_;
  copy.max_ = max_;
  copy.value_ = value_;
  copy.small_change_ = small_change_;
  copy.large_change_ = large_change_;
}

std::shared_ptr<host::Control> HScrollBar::CloneForArray() const {
  auto copy = std::make_shared<HScrollBar>();
  CopyScrollStateTo(*copy);
  return copy;
}

std::shared_ptr<host::Control> VScrollBar::CloneForArray() const {
  auto copy = std::make_shared<VScrollBar>();
  CopyScrollStateTo(*copy);
  return copy;
}

const host::ClassInfo& HScrollBar::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.HScrollBar");
    host::ClassBuilder<HScrollBar> b(i);
    AddScrollMembers(b);
    return i;
  }();
  return info;
}

const host::ClassInfo& VScrollBar::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.VScrollBar");
    host::ClassBuilder<VScrollBar> b(i);
    AddScrollMembers(b);
    return i;
  }();
  return info;
}

}  // namespace VB
