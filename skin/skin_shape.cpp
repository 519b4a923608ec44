// The window's rounded outline, the fades and the z-order services.

#include <cmath>

#include "foundation/fade.h"
#include "platform/gfx/gdi.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/user32.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr std::int32_t kFadeStep = 5;

// A coordinate of the outline: nearest whole number, halves to even.
int Whole(float value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

void QuorinSkin::ReTransObj(vb::ObjectRef IpObject) {
  // Each step that fails is skipped; an object without a size or window gets no shape.
  host::Skipping([&] {
    host::Object& object = host::AsObject(IpObject);
    if (host::GetProperty(object, "Height").ToSingle() < kSkinMinHeightTwips) {
      host::LetProperty(object, "Height", kSkinMinHeightTwips);
    }
  });
  host::Skipping([&] {
    host::Object& object = host::AsObject(IpObject);
    if (host::GetProperty(object, "Width").ToSingle() < kSkinMinWidthTwips) {
      host::LetProperty(object, "Width", kSkinMinWidthTwips);
    }
  });
  host::Skipping([&] {
    host::Object& object = host::AsObject(IpObject);
    const float w = host::GetProperty(object, "Width").ToSingle() / host::Screen().TwipsPerPixelX();
    const float h =
        host::GetProperty(object, "Height").ToSingle() / host::Screen().TwipsPerPixelY();
    const auto hwnd = static_cast<win32::HWND>(host::GetProperty(object, "hwnd").ToLong());
    // Six rectangles: the full rows and the cut corners, one or two rows each.
    win32::HRGN region = win32::CreateRectRgn(5, 0, Whole(w - 5), 1);
    const int rects[5][4] = {
        {3, 1, Whole(w - 3), Whole(h - 2)}, {3, Whole(h - 1), Whole(w - 3), Whole(h - 2)},
        {2, 2, Whole(w - 2), Whole(h - 3)}, {2, Whole(h - 2), Whole(w - 2), Whole(h - 3)},
        {1, 3, Whole(w - 1), Whole(h - 4)},
    };
    for (const auto& r : rects) {
      win32::HRGN part = win32::CreateRectRgn(r[0], r[1], r[2], r[3]);
      win32::CombineRgn(region, region, part, win32::RGN_OR);
      win32::DeleteObject(part);
    }
    // The window owns the region from here on.
    if (!win32::SetWindowRgn(hwnd, region, win32::TRUE)) win32::DeleteObject(region);
  });
}

void QuorinSkin::FormOnTop(std::int32_t hWindow, std::int16_t bTopMost) {
  win32::HWND after = 0;
  if (bTopMost == -1) after = win32::HWND_TOPMOST;
  if (bTopMost == 0) after = win32::HWND_NOTOPMOST;
  win32::SetWindowPos(
      static_cast<win32::HWND>(hWindow), after, 0, 0, 0, 0,
      win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOACTIVATE | win32::SWP_SHOWWINDOW);
}

void QuorinSkin::TaskBarShow() {
  win32::HWND taskbar = win32::FindWindowA("Shell_traywnd", "");
  win32::SetWindowPos(taskbar, 0, 0, 0, 0, 0, win32::SWP_SHOWWINDOW);
}

void QuorinSkin::Timer1_Timer() {
  const auto hwnd = static_cast<std::int32_t>(HostForm().hWnd());
  if (m_Alpha < 250) {
    m_Alpha += kFadeStep;
    SetWindowAlpha(hwnd, m_Alpha, true, false);
  } else {
    m_Alpha = 255;
    SetWindowAlpha(hwnd, m_Alpha, true, false);
    Timer1->Enabled(false);
  }
}

void QuorinSkin::Timer2_Timer() {
  if (m_Alpha > 50) {
    m_Alpha -= kFadeStep;
    SetWindowAlpha(static_cast<std::int32_t>(HostForm().hWnd()), m_Alpha, true, false);
  } else {
    Timer2->Enabled(false);
    CloseNow();
  }
}

void QuorinSkin::CloseNow() {
  CloseForm();
  if (std::shared_ptr<VB::Form> form = MyForm(); form && form->alive()) host::Unload(*form);
}

}  // namespace quorin
