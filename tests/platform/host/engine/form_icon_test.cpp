#include <gtest/gtest.h>

#include <memory>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/win/messages.h"
#include "platform/win/user32.h"

namespace {

std::shared_ptr<vb::StdPicture> RedIcon() {
  auto pixels = std::make_shared<vb::PixelBuffer>();
  pixels->width = pixels->height = 16;
  pixels->pixels.assign(256, 0xFFFF0000u);
  return std::make_shared<vb::StdPicture>(vb::vbPicTypeIcon, pixels);
}

// The form's Icon reaches its window (caption and taskbar button), set before or after Show,
// and Nothing takes it away again.
TEST(FormIcon, TheWindowShowsTheIconTheFormHolds) {
  desktop::HeadlessDesktop headless;
  host::RegisterEngineClasses();
  auto form = host::NewForm("Form1");
  auto first = RedIcon();
  host::SetProperty(*form, "Icon", first);
  auto icon_of = [&](win32::WPARAM kind) {
    return win32::SendMessageA(form->hWnd(), win32::WM_GETICON, kind, 0);
  };
  EXPECT_EQ(icon_of(win32::ICON_SMALL), static_cast<win32::LRESULT>(first->Handle()));
  EXPECT_EQ(icon_of(win32::ICON_BIG), static_cast<win32::LRESULT>(first->Handle()));
  form->Show();
  auto second = RedIcon();
  form->Icon(second);
  EXPECT_EQ(icon_of(win32::ICON_SMALL), static_cast<win32::LRESULT>(second->Handle()));
  host::SetProperty(*form, "Icon", vb::ObjectRef());
  EXPECT_EQ(icon_of(win32::ICON_SMALL), 0);
  EXPECT_EQ(form->Icon(), nullptr);
  host::Unload(*form);
}

}  // namespace
