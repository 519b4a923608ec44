#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/object.h"
#include "platform/vb/std_picture.h"
#include "platform/win/user32.h"

namespace VB {
class Form;
}

namespace host {

class Container;
using Form = VB::Form;

// Scale modes of a drawing surface or container.
enum ScaleModeConstants : std::int16_t {
  vbUser = 0,
  vbTwips = 1,
  vbPoints = 2,
  vbPixels = 3,
  vbCharacters = 4,
  vbInches = 5,
  vbMillimeters = 6,
  vbCentimeters = 7,
  vbHimetric = 8,
};

// Twips per unit of a scale mode on the given axis (x: true); 0 for an unknown mode.
float TwipsPerUnit(std::int16_t scale_mode, bool x);
// value in `from` units to `to` units (ScaleX/ScaleY); error 5 for an unknown mode.
float ConvertScale(float value, std::int16_t from, std::int16_t to, bool x);

// Mouse buttons and shift keys as the engine's events number them.
enum MouseButtonConstants : std::int16_t {
  vbLeftButton = 1,
  vbRightButton = 2,
  vbMiddleButton = 4
};
enum ShiftConstants : std::int16_t { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

enum class MouseKind { kDown, kMove, kUp };

// What the engine's input dispatch delivers to: a form, a control or an element.
class InputTarget {
 public:
  virtual ~InputTarget() = default;
  virtual Object& TargetObject() = 0;
  // The object whose code handles the events and the procedure prefix ("Title",
  // "UserControl", "Form") for error reports.
  virtual const Object* HandlerOwner() = 0;
  virtual std::string ProcedurePrefix() = 0;
  // Screen pixel of the origin of the target's mouse coordinates, and the scale they are in.
  virtual win32::POINT MouseOrigin() = 0;
  virtual std::int16_t MouseScale() = 0;
  // Whether a screen point lies on the target (for Click after a release).
  virtual bool ContainsScreenPoint(win32::POINT screen) = 0;
  virtual bool RaisesClickFor(std::int16_t button) { return button == vbLeftButton; }

  virtual void OnMouse(MouseKind, std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                       float /*y*/) {}
  virtual void OnClick() {}
  virtual void OnDblClick() {}
  virtual void OnKeyDown(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
  virtual void OnKeyUp(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
  virtual void OnKeyPress(std::int16_t& /*key_ascii*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
};

// A control or element placed in a container: its position and size, kept in twips relative
// to the container's inner origin and shown in the container's scale; its state flags; its
// window for windowed kinds. Windowless kinds are drawn and hit-tested by their container.
class Control : public Object, public InputTarget {
 public:
  ~Control() override;

  // Position and size in the container's scale.
  float Left() const;
  void Left(float value);
  float Top() const;
  void Top(float value);
  float Width() const;
  void Width(float value);
  float Height() const;
  void Height(float value);
  // Position and size in one step (missing values keep theirs), like the engine's Move.
  void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
            std::optional<float> height = {});
  // Width and height in twips whatever the container's scale (controls that size
  // themselves); a missing value keeps its size.
  void SizeTwips(std::optional<float> width, std::optional<float> height);

  bool Visible() const { return visible_; }
  void Visible(bool value);
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  const std::string& Tag() const { return tag_; }
  void Tag(std::string value) { tag_ = std::move(value); }
  std::int16_t TabIndex() const { return tab_index_; }
  void TabIndex(std::int16_t value) { tab_index_ = value; }
  bool TabStop() const { return tab_stop_; }
  void TabStop(bool value) { tab_stop_ = value; }
  std::int16_t MousePointer() const { return mouse_pointer_; }
  void MousePointer(std::int16_t value);
  const vb::PictureRef& MouseIcon() const { return mouse_icon_; }
  void MouseIcon(vb::PictureRef value) { mouse_icon_ = std::move(value); }

  // The container holding it (form, frame, picture box, user control), or null.
  Container* container() const { return container_; }
  // The container as an object (Extender.Container, an element's Container), or null.
  vb::ObjectRef ContainerRef() const;
  // The form it sits on, however deep.
  Form* form() const;
  // Visible with every container up to the form; enabled likewise.
  bool ShownOnForm() const;
  bool EnabledOnForm() const;

  virtual bool windowed() const { return false; }
  virtual win32::HWND hWnd() const { return 0; }
  // Geometry in twips and in pixels of the container's child window.
  float left_twips() const { return left_; }
  float top_twips() const { return top_; }
  float width_twips() const { return width_; }
  float height_twips() const { return height_; }
  win32::RECT PixelRect() const;
  // Screen position of the top-left corner.
  win32::POINT ScreenOrigin() const;

  // Windowless kinds: drawing onto the container's surface (origin at its inner origin) and
  // hit testing in the container's child-window pixels.
  virtual void DrawWindowless(win32::HDC /*hdc*/) {}
  virtual bool HitTest(win32::POINT container_px) const;
  virtual bool CanGetFocus() const { return false; }

  // The engine's wiring: where the control sits, and window creation once the container
  // has a window of its own (and removal).
  void AttachTo(Container* container, Object* owner);
  virtual void Realize() {}
  virtual void Unrealize() {}
  // Puts the window back where the geometry says (the container's inner origin moved).
  void Reposition() { GeometryChanged(false); }
  // Destroys the control and everything in it (Unload): marks it dead for running dispatches.
  virtual void Destroy();
  // An independent copy for Load of an array member: same properties, hidden.
  virtual std::shared_ptr<Control> CloneForArray() const;

  // InputTarget
  Object& TargetObject() override { return *this; }
  const Object* HandlerOwner() override { return Owner(); }
  std::string ProcedurePrefix() override { return Name(); }
  win32::POINT MouseOrigin() override { return ScreenOrigin(); }
  std::int16_t MouseScale() override;
  bool ContainsScreenPoint(win32::POINT screen) override;

 protected:
  // Called after the geometry changed (resized tells whether the size did).
  virtual void GeometryChanged(bool resized);
  virtual void VisibilityChanged() {}
  virtual void EnabledChanged() {}
  // Asks the container to redraw its windowless parts.
  void InvalidateContainer() const;
  // Copies the common state onto a clone.
  void CopyStateTo(Control& copy) const;
  // Position and size in twips, checked, then GeometryChanged when anything changed.
  void MoveTwips(float left, float top, float width, float height);
  // Sets the size in twips without notifying (used by kinds that size themselves).
  void SetTwips(float left, float top, float width, float height);

  float left_ = 0;
  float top_ = 0;
  float width_ = 0;
  float height_ = 0;

 private:
  bool visible_ = true;
  bool enabled_ = true;
  std::string tag_;
  std::int16_t tab_index_ = 0;
  bool tab_stop_ = true;
  std::int16_t mouse_pointer_ = 0;
  vb::PictureRef mouse_icon_;
  Container* container_ = nullptr;
};

using ControlPtr = std::shared_ptr<Control>;

// Something that holds controls: a form, a frame, a picture box or a user control. It owns
// its children (front last) and draws and hit-tests the windowless ones.
class Container {
 public:
  // Children the program still holds lose their pointers to the container (and owner).
  virtual ~Container();

  // The object itself; Extender.Container of a child is this very object.
  virtual Object& ContainerObject() = 0;
  // The window the children's windows are children of, and the pixel offset of the
  // container's inner origin inside that window.
  virtual win32::HWND ChildWindow() const = 0;
  virtual win32::POINT ChildOrigin() const { return {0, 0}; }
  // The scale the children's positions are given in.
  virtual std::int16_t ChildScaleMode() const { return vbTwips; }
  // Redraws the windowless children.
  virtual void InvalidateWindowless() = 0;
  // Whether it is on a form that has a window (children can realize their windows).
  virtual bool Realized() const { return ChildWindow() != 0; }

  const std::vector<ControlPtr>& children() const { return children_; }
  void AddChild(ControlPtr child);
  void RemoveChild(const Control* child);
  // Stacks the listed children front first, as a form file lists them (the first is on top
  // of those it overlaps); the windows of windowed ones follow. Others keep their places.
  void StackFrontFirst(const std::vector<Control*>& front_first);
  // The front-most visible, enabled windowless child at a point of the child window.
  Control* WindowlessAt(win32::POINT child_px) const;
  // Draws the visible windowless children, back to front, onto a DC of the child window.
  void DrawWindowlessChildren(win32::HDC hdc) const;
  void RealizeChildren();
  // Destroys every child (the container is being unloaded).
  void DestroyChildren();

 protected:
  std::vector<ControlPtr> children_;
};

}  // namespace host
