#pragma once

// A headless desktop with one form carrying a skin, and helpers to read what the skin shows.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "artwork/artwork.h"
#include "library/library.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/engine_classes.h"
#include "platform/win/user32.h"
#include "skin/quorin_skin.h"

namespace skintest {

// The artwork slot a picture is, "skin/ThemeX/Image4_2", or "" for another picture.
inline std::string Slot(const vb::PictureRef& picture) {
  if (!picture) return "";
  for (const std::string& slot : artwork::Slots()) {
    if (artwork::Picture(slot) == picture) return slot;
  }
  return "";
}

class SkinFixture : public ::testing::Test {
 protected:
  SkinFixture() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
    host::SetErrorSink(&errors_);
    NewHostForm();
  }
  ~SkinFixture() override {
    UnloadAll();
    host::SetErrorSink(nullptr);
  }

  void NewHostForm() {
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 6000, 4000);
  }
  void UnloadAll() {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) {
      if (f->alive()) host::Unload(*f);
    }
    if (form_ && form_->alive()) host::Unload(*form_);
    skin_.reset();
    form_.reset();
  }
  // Starts over on a desktop with other settings (screen, taskbar).
  void UseDesktop(win::DesktopSettings settings) {
    UnloadAll();
    headless_ = std::make_unique<desktop::HeadlessDesktop>(settings);
    NewHostForm();
  }
  // Lets virtual time pass, running the timers that fall due.
  void Wait(std::uint64_t ms) {
    robot().Wait(ms);
    Run();
  }

  // A skin placed anew (InitProperties) or from stored properties, covering the form.
  std::shared_ptr<quorin::QuorinSkin> Place(const host::PropertyBag* stored = nullptr,
                                            float width = 6000, float height = 4000) {
    skin_ = form_->Add<quorin::QuorinSkin>("QuorinSkin1", {0, 0, width, height}, stored);
    skin_->Resize.Connect([this](std::int16_t& top, std::int16_t& h, std::int16_t& w) {
      resizes_.push_back({top, h, w});
    });
    skin_->CloseForm.Connect(
        [this] { close_events_.push_back(form_ && form_->alive() ? "loaded" : "gone"); });
    return skin_;
  }

  static std::string Face(const quorin::CommandButton& b) { return Slot(b.PicMain->Picture()); }

  // The form window's screen rectangle.
  win32::RECT FormRect() const {
    win32::RECT r{};
    win32::GetWindowRect(form_->hWnd(), &r);
    return r;
  }

  // Whether window `a` lies above window `b` in the z-order.
  static bool Above(win32::HWND a, win32::HWND b) {
    for (win32::HWND h = a; (h = win32::GetWindow(h, win32::GW_HWNDNEXT)) != 0;) {
      if (h == b) return true;
    }
    return false;
  }

  desktop::Robot& robot() { return headless_->robot(); }
  void Run() { headless_->Run(); }
  const gfx::Bitmap& Screen() { return headless_->Screen(); }

  struct ResizeArgs {
    std::int16_t top, height, width;
  };

  std::unique_ptr<desktop::HeadlessDesktop> headless_ =
      std::make_unique<desktop::HeadlessDesktop>();
  host::RecordingErrorSink errors_;
  std::shared_ptr<VB::Form> form_;
  std::shared_ptr<quorin::QuorinSkin> skin_;
  std::vector<ResizeArgs> resizes_;
  std::vector<std::string> close_events_;
};

}  // namespace skintest
