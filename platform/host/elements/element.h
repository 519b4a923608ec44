#pragma once

#include <cstdint>
#include <string>

#include "platform/host/control/control.h"
#include "platform/host/control/window_host.h"
#include "platform/host/event.h"
#include "platform/host/types/class_builder.h"

namespace host {

// An intrinsic element of the engine (label, image, picture box, ...). Its events are
// handled by the code of its owner (the user control or form it was placed on).
class Element : public Control {
 public:
  host::Event<> Click{"Click", this};
  host::Event<> DblClick{"DblClick", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseMove{"MouseMove", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseUp{"MouseUp", this};
  host::Event<std::int16_t, std::int16_t> KeyDown{"KeyDown", this};
  host::Event<std::int16_t, std::int16_t> KeyUp{"KeyUp", this};
  host::Event<std::int16_t> KeyPress{"KeyPress", this};
  host::Event<> GotFocus{"GotFocus", this};
  host::Event<> LostFocus{"LostFocus", this};

  void OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnClick() override { Click(); }
  void OnDblClick() override { DblClick(); }
  void OnKeyDown(std::int16_t& k, std::int16_t& s) override { KeyDown.Raise(k, s); }
  void OnKeyUp(std::int16_t& k, std::int16_t& s) override { KeyUp.Raise(k, s); }
  void OnKeyPress(std::int16_t& a) override { KeyPress.Raise(a); }
  void OnGotFocus() override { GotFocus(); }
  void OnLostFocus() override { LostFocus(); }

  // Whether a changed value raises its event now: not while a form file builds the form
  // (before its Load), as the designer's stored values raise none; a form made in code
  // raises them at once.
  bool RaisesChangeEvents() const;

  // Registers the members every element has (Name, Index, position, Visible, ...).
  template <typename T>
  static void AddCommonMembers(ClassBuilder<T>& b, bool windowed);
  // Registers MouseDown, MouseMove and MouseUp (Button, Shift, X, Y), in that order.
  template <typename T>
  static ClassBuilder<T>& AddMouseEvents(ClassBuilder<T>& b);
  // Registers KeyDown, KeyUp, KeyPress, GotFocus and LostFocus, in that order.
  template <typename T>
  static ClassBuilder<T>& AddKeyFocusEvents(ClassBuilder<T>& b);
  // The mouse events, then the key and focus events.
  template <typename T>
  static ClassBuilder<T>& AddInputEvents(ClassBuilder<T>& b) {
    AddMouseEvents(b);
    return AddKeyFocusEvents(b);
  }
};

// An element with a window of its own.
class WindowedElement : public Element, public WindowHost {
 public:
  bool windowed() const override { return true; }
  win32::HWND hWnd() const override { return window(); }
  void Realize() override;
  void Unrealize() override { DestroyHostWindow(); }
  win32::LRESULT WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                               win32::LPARAM lparam) override;
  // Redraws the element now.
  void Refresh();

 protected:
  // Draws the whole element onto its window (client coordinates).
  virtual void PaintElement(win32::HDC hdc) = 0;
  // The container whose windowless children the window hit-tests (picture box, frame).
  virtual Container* WindowlessChildren() { return nullptr; }
  virtual win32::DWORD ExtraStyle() const { return 0; }
  virtual win32::DWORD ExtendedStyle() const { return 0; }
  virtual void AfterRealize() {}
  void GeometryChanged(bool resized) override;
  void VisibilityChanged() override;
  void EnabledChanged() override;
  void Invalidate();
};

template <typename T>
void Element::AddCommonMembers(ClassBuilder<T>& b, bool windowed) {
  b.Property("Name", &Object::Name)
      .Property("Index", &Object::Index)
      .Property("Left", &Control::Left, &Control::Left)
      .Property("Top", &Control::Top, &Control::Top)
      .Property("Width", &Control::Width, &Control::Width)
      .Property("Height", &Control::Height, &Control::Height)
      .Property("Visible", &Control::Visible, &Control::Visible)
      .Property("Enabled", &Control::Enabled, &Control::Enabled)
      .Property("Tag", &Control::Tag, &Control::Tag)
      .Property("MousePointer", &Control::MousePointer, &Control::MousePointer)
      .Property("MouseIcon", &Control::MouseIcon, &Control::MouseIcon)
      .Property("Container", &Control::ContainerRef)
      .Method("Move", &Control::Move,
              {Param("Left"), Optional("Top"), Optional("Width"), Optional("Height")});
  if (windowed) {
    b.Property("TabIndex", &Control::TabIndex, &Control::TabIndex)
        .Property("TabStop", &Control::TabStop, &Control::TabStop)
        .Property(
            "hWnd", [](T& t) { return vb::Variant(static_cast<std::int32_t>(t.hWnd())); }, nullptr);
  }
}

template <typename T>
ClassBuilder<T>& Element::AddMouseEvents(ClassBuilder<T>& b) {
  const std::vector<ParamInfo> mouse = MouseEventParams();
  return b.Event("MouseDown", mouse).Event("MouseMove", mouse).Event("MouseUp", mouse);
}

template <typename T>
ClassBuilder<T>& Element::AddKeyFocusEvents(ClassBuilder<T>& b) {
  return b.Event("KeyDown", {Param("KeyCode"), Param("Shift")})
      .Event("KeyUp", {Param("KeyCode"), Param("Shift")})
      .Event("KeyPress", {Param("KeyAscii")})
      .Event("GotFocus")
      .Event("LostFocus");
}

}  // namespace host
