// Resizing the form from the skin's side and bottom borders and corners, in one step when
// the mouse button is released.

#include <algorithm>

#include "platform/host/services/screen.h"
#include "platform/vb/error.h"
#include "platform/win/input.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr int kLeftEdge = 0;
constexpr int kRightEdge = 1;
constexpr int kBottomEdge = 3;
constexpr int kBottomRightCorner = 4;
constexpr int kBottomLeftCorner = 5;
constexpr float kStyleRegrowth = 375;  // twips: SetStyle takes 365, so each resize adds 10

// The sizing cursor (MousePointer) of each direction code.
std::int16_t SizingPointer(int direction) {
  switch (direction) {
    case kLeftEdge:
    case kRightEdge:
      return 9;  // west-east
    case kBottomEdge:
      return 7;  // north-south
    case kBottomRightCorner:
      return 8;  // north-west/south-east
    default:
      return 6;  // north-east/south-west
  }
}

}  // namespace

void QuorinSkin::Border_MouseDown(int) {
  if (!attached()) return;
  if (HostForm().BorderStyle() == VB::vbSizable) win32::GetCursorPos(&m_DragStart);
}

void QuorinSkin::Border_MouseMove(VB::Image& handle, int direction) {
  host::Skipping([&] {
    if (!attached()) return;
    VB::Form& form = HostForm();
    const bool sizable = form.WindowState() == VB::vbNormal && form.BorderStyle() == VB::vbSizable;
    handle.MousePointer(sizable ? SizingPointer(direction) : std::int16_t{0});
    if (direction == kBottomEdge && form.WindowState() == VB::vbMaximized) TaskBarShow();
  });
}

void QuorinSkin::Border_MouseUp(int direction) {
  if (!attached()) return;
  VB::Form& form = HostForm();
  if (form.BorderStyle() != VB::vbSizable || form.WindowState() != VB::vbNormal) return;
  auto keep = MyForm();
  win32::GetCursorPos(&m_DragEnd);
  host::Skipping([&] { DragResize(form, m_DragStart, m_DragEnd, direction); });
  host::Skipping([&] { SetStyle(keep); });
  host::Skipping([&] {
    if (form.BorderStyle() != VB::vbBSNone) form.Height(form.Height() + kStyleRegrowth);
  });
  host::Skipping([&] { FollowFormSize(); });
  host::Skipping([&] { ReTransObj(keep); });
}

void QuorinSkin::DragResize(VB::Form& form, win32::POINT start, win32::POINT end, int direction) {
  const double dx = static_cast<double>(end.x - start.x) * host::Screen().TwipsPerPixelX();
  const double dy = static_cast<double>(end.y - start.y) * host::Screen().TwipsPerPixelY();
  const double left = form.Left();
  const double top = form.Top();
  const double width = form.Width();
  const double height = form.Height();
  double l = left, w = width, h = height;
  switch (direction) {
    case kLeftEdge:
      l = left + dx;
      w = width - dx;
      break;
    case kRightEdge:
      w = width + dx;
      break;
    case kBottomEdge:
      h = height + dy;
      break;
    case kBottomRightCorner:
      w = width + dx;
      h = height + dy;
      break;
    case kBottomLeftCorner:
      l = left + dx;
      w = width - dx;
      h = height + dy;
      break;
    default:
      return;
  }
  // A drag past the opposite edge asks for no size at all; the size hook then holds the
  // form at its minimum instead of the move being refused.
  form.Move(static_cast<float>(l), static_cast<float>(top), static_cast<float>(std::max(0.0, w)),
            static_cast<float>(std::max(0.0, h)));
}

}  // namespace quorin
