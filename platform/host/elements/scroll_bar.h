#pragma once

#include <optional>

#include "platform/host/elements/element.h"

namespace VB {

// The engine's scroll bars: a Value between Min and Max (Min may be the larger), moved by
// SmallChange with the arrow buttons and keys and by LargeChange on the track. Every new
// Value raises Change; dragging the thumb raises Scroll as it moves and Change when let go.
class ScrollBar : public host::WindowedElement {
 public:
  explicit ScrollBar(bool vertical);

  std::int16_t Min() const { return min_; }
  void Min(std::int16_t value);
  std::int16_t Max() const { return max_; }
  void Max(std::int16_t value);
  std::int16_t Value() const { return value_; }
  // Outside Min to Max is error 380.
  void Value(std::int16_t value);
  std::int16_t SmallChange() const { return small_change_; }
  void SmallChange(std::int16_t value);
  std::int16_t LargeChange() const { return large_change_; }
  void LargeChange(std::int16_t value);
  bool CanGetFocus() const override { return true; }
  bool vertical() const { return vertical_; }

  host::Event<> Change{"Change", this};
  host::Event<> Scroll{"Scroll", this};

  void OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
               float y) override;
  void OnKeyDown(std::int16_t& key, std::int16_t& shift) override;
  void OnClick() override {}

 protected:
  void PaintElement(win32::HDC hdc) override;
  // Copies the scroll bar's own state (control arrays).
  void CopyScrollStateTo(ScrollBar& copy) const;
  template <typename T>
  static void AddScrollMembers(host::ClassBuilder<T>& b);

 private:
  // Moves by `steps` (signed) toward Max, kept inside the range.
  void Step(int steps);
  int Along(win32::POINT p) const { return vertical_ ? p.y : p.x; }
  // The thumb's start and end along the bar, in pixels.
  std::pair<int, int> Thumb(win32::RECT r) const;

  bool vertical_;
  std::int16_t min_ = 0;
  std::int16_t max_ = 32767;
  std::int16_t value_ = 0;
  std::int16_t small_change_ = 1;
  std::int16_t large_change_ = 1;
  // While the thumb is dragged: where along the bar it was taken, and the value then.
  std::optional<int> drag_from_;
  std::int16_t drag_value_ = 0;
};

class HScrollBar : public ScrollBar {
 public:
  HScrollBar() : ScrollBar(false) {}
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }
  std::shared_ptr<host::Control> CloneForArray() const override;
};

class VScrollBar : public ScrollBar {
 public:
  VScrollBar() : ScrollBar(true) {}
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }
  std::shared_ptr<host::Control> CloneForArray() const override;
};

template <typename T>
void ScrollBar::AddScrollMembers(host::ClassBuilder<T>& b) {
  host::Element::AddCommonMembers(b, true);
  b.Property("Min", &ScrollBar::Min, &ScrollBar::Min)
      .Property("Max", &ScrollBar::Max, &ScrollBar::Max)
      .Property("Value", &ScrollBar::Value, &ScrollBar::Value)
      .Property("SmallChange", &ScrollBar::SmallChange, &ScrollBar::SmallChange)
      .Property("LargeChange", &ScrollBar::LargeChange, &ScrollBar::LargeChange)
      .Event("Change")
      .Event("Scroll");
  host::Element::AddKeyFocusEvents(b).Creatable();
}

}  // namespace VB
