#pragma once

#include <string>
#include <vector>

#include "platform/host/elements/element.h"
#include "platform/vb/std_font.h"

namespace host {

// The property-page dialog's row of tabs, one per page with the page's caption. A click on a
// tab, Left or Right while it has the focus, or setting Tab selects a tab and raises Click.
class PageTabs : public WindowedElement {
 public:
  PageTabs();
  static const ClassInfo& TypeInfo();
  const ClassInfo& Class() const override { return TypeInfo(); }

  void SetCaptions(std::vector<std::string> captions);
  std::int16_t Tabs() const { return static_cast<std::int16_t>(captions_.size()); }
  std::string TabCaption(std::int16_t index) const;
  // The selected tab, from 0; error 380 outside the tabs.
  std::int16_t Tab() const { return tab_; }
  void Tab(std::int16_t value);
  // The tab under a pixel of the row, or -1.
  std::int16_t TabAt(int x, int y) const;
  bool CanGetFocus() const override { return true; }

  void OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnKeyDown(std::int16_t& key, std::int16_t& shift) override;
  void OnClick() override {}
  void OnGotFocus() override;
  void OnLostFocus() override;
  std::shared_ptr<Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;

 private:
  // Each tab's rectangle in the row, the selected one raised by two pixels.
  std::vector<win32::RECT> TabRects() const;

  std::vector<std::string> captions_;
  std::int16_t tab_ = 0;
  bool focused_ = false;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
};

}  // namespace host
