#pragma once

#include <memory>

#include "platform/desktop/headless_desktop.h"
#include "tests/platform/win/win_fixture.h"

namespace desktop_test {

using namespace win_test;

// A fresh headless desktop per test, its robot, and a message recorder on it.
class DesktopTest : public ::testing::Test {
 protected:
  explicit DesktopTest(win::DesktopSettings settings = {})
      : headless_(std::make_unique<desktop::HeadlessDesktop>(settings)) {}

  desktop::Robot& robot() { return headless_->robot(); }
  void Run() { headless_->Run(); }
  gfx::Argb Pixel(int x, int y) { return headless_->Screen().pixel(x, y); }

  std::unique_ptr<desktop::HeadlessDesktop> headless_;
  MessageRecorder recorder_;
};

}  // namespace desktop_test
