#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "artwork/artwork.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/services/msgbox.h"
#include "platform/host/types/engine_classes.h"
#include "progress_bar/xp_progress_bar.h"

namespace bartest {

// A form with one progress bar, 100 x 16 px (blocks at their own height) unless a test says
// otherwise; message boxes are recorded (and answered by the desktop).
class ProgressBar : public ::testing::Test {
 protected:
  ProgressBar() {
    host::RegisterEngineClasses();
    host::SetMessageBoxObserver([this](const host::MessageBoxRecord& r) { boxes_.push_back(r); });
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 9000, 4500);
  }
  ~ProgressBar() override {
    host::SetMessageBoxObserver(nullptr);
    if (form_) host::Unload(*form_);
  }

  std::shared_ptr<quorin::XpProgressBar> Place(int w = 100, int h = 16,
                                               const host::PropertyBag* stored = nullptr) {
    return form_->Add<quorin::XpProgressBar>("XpProgressBar1", {300, 300, w * 15.0f, h * 15.0f},
                                             stored);
  }

 public:
  static std::uint32_t Pixel(const quorin::XpProgressBar& b, int x, int y) {
    return b.image().pixel(x, y) | 0xFF000000u;
  }
  static std::uint32_t Art(const std::string& slot, int x, int y) {
    return artwork::Picture("progress_bar/" + slot)->Pixels()->at(x, y) | 0xFF000000u;
  }
  // The left edges of the runs of columns, along row y, that show a block picture's
  // middle colour (its pixel at (4, 5)).
  static std::vector<int> BlockStarts(const quorin::XpProgressBar& b, const std::string& slot,
                                      int y = 8) {
    const std::uint32_t colour = Art(slot, 4, 5);
    std::vector<int> starts;
    bool inside = false;
    for (int x = 0; x < static_cast<int>(b.ScaleWidth()); ++x) {
      const bool is = Pixel(b, x, y) == colour;
      if (is && !inside) starts.push_back(x);
      inside = is;
    }
    return starts;
  }

 protected:
  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  std::vector<host::MessageBoxRecord> boxes_;
};

}  // namespace bartest
