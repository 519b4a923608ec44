#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "platform/host/control/control.h"
#include "platform/host/control/property_bag.h"
#include "platform/host/control/surface.h"
#include "platform/host/control/window_host.h"
#include "platform/host/event.h"
#include "platform/vb/std_font.h"

namespace host {

class UserControl;

// Read-only facts about the control's surroundings.
class AmbientProperties {
 public:
  explicit AmbientProperties(const UserControl& control) : control_(control) {}
  // False at design time, True at run time.
  bool UserMode() const;
  // A copy of the container's font, so that a control changing it changes no one else.
  vb::FontRef Font() const;
  // The name the application gave the instance.
  std::string DisplayName() const;
  vb::OLE_COLOR BackColor() const;
  vb::OLE_COLOR ForeColor() const;

 private:
  const UserControl& control_;
};

// The container's view of one instance: what the container manages for it. Late-bound
// access to a user control reaches these members after the control's own.
class Extender : public Object {
 public:
  explicit Extender(UserControl& control) : control_(control) {}
  const ClassInfo& Class() const override;
  static const ClassInfo& TypeInfo();

  std::string Name() const;
  std::int16_t Index() const;
  // The form, frame, picture box or user control directly holding the instance.
  vb::ObjectRef Container() const;
  // The form it sits on.
  vb::ObjectRef Parent() const;
  float Left() const;
  void Left(float value);
  float Top() const;
  void Top(float value);
  float Width() const;
  void Width(float value);
  float Height() const;
  void Height(float value);
  bool Visible() const;
  void Visible(bool value);
  bool Enabled() const;
  void Enabled(bool value);
  std::string Tag() const;
  void Tag(std::string value);
  std::int16_t TabIndex() const;
  void TabIndex(std::int16_t value);
  bool TabStop() const;
  void TabStop(bool value);
  void Move(float left, std::optional<float> top, std::optional<float> width,
            std::optional<float> height);
  void SetFocus();
  // Docking to an edge of the form (0 none, 1 top, 2 bottom, 3 left, 4 right), for controls
  // that declare themselves alignable; others answer 438.
  std::int16_t Align() const;
  void Align(std::int16_t value);
  UserControl& control() const { return control_; }

  // Events the container raises for the instance.
  host::Event<> GotFocus{"GotFocus", this};
  host::Event<> LostFocus{"LostFocus", this};

 private:
  UserControl& control_;
};

// The base of every control of the library. The container drives the lifecycle in the
// engine's order (Initialize; InitProperties for a new instance or ReadProperties for a
// stored one; Resize; Show; Paint as needed; WriteProperties whenever it saves; Hide;
// Terminate) and delivers input to the UserControl_ procedures. Each instance has its own
// child window; its elements are its children (see AddElement).
class UserControl : public Control, public Container, public DrawingSurface, public WindowHost {
 public:
  UserControl();
  ~UserControl() override;

  // Lifecycle, named as the engine names them.
  virtual void UserControl_Initialize() {}
  virtual void UserControl_InitProperties() {}
  virtual void UserControl_ReadProperties(PropertyBag& PropBag) { (void)PropBag; }
  virtual void UserControl_WriteProperties(PropertyBag& PropBag) { (void)PropBag; }
  virtual void UserControl_Resize() {}
  virtual void UserControl_Show() {}
  virtual void UserControl_Hide() {}
  virtual void UserControl_Paint() {}
  virtual void UserControl_Terminate() {}

  // Input on the control's own surface.
  virtual void UserControl_Click() {}
  virtual void UserControl_DblClick() {}
  virtual void UserControl_MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/,
                                     float /*Y*/) {}
  virtual void UserControl_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/,
                                     float /*Y*/) {}
  virtual void UserControl_MouseUp(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/,
                                   float /*Y*/) {}
  virtual void UserControl_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void UserControl_KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void UserControl_KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void UserControl_GotFocus() {}
  virtual void UserControl_LostFocus() {}
  virtual void UserControl_EnterFocus() {}
  virtual void UserControl_ExitFocus() {}
  virtual void UserControl_AccessKeyPress(std::int16_t& /*KeyAscii*/) {}

  // Services of the container. Ambient and Extender are error 91 inside Initialize (the
  // instance is not sited yet).
  AmbientProperties Ambient() const;
  host::Extender& Extender() const;
  // The form holding the control (91 before it is sited).
  vb::ObjectRef Parent() const;
  // Marks the saved form out of date.
  void PropertyChanged(const std::string& property_name = {});
  bool dirty() const { return dirty_; }
  const std::set<std::string>& changed_properties() const { return changed_; }
  void ClearDirty();
  bool sited() const { return sited_; }

  // Characters that raise AccessKeyPress with Alt.
  const std::string& AccessKeys() const { return access_keys_; }
  void AccessKeys(std::string value) { access_keys_ = std::move(value); }
  bool CanGetFocus() const override;
  void CanGetFocus(bool value) { can_get_focus_ = value; }
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  // "Acts as a control container" and "alignable", from the class's type information.
  bool ControlContainer() const { return Class().control_container; }
  bool Alignable() const { return Class().alignable; }
  bool shown() const { return shown_; }
  bool windowed() const override { return true; }
  win32::HWND hWnd() const override { return window(); }
  Object* MemberFallback() override { return extender_.get(); }

  // Makes an element of this control (in its constructor or later); the element's events
  // are the control's to handle.
  template <typename T>
  std::shared_ptr<T> AddElement(std::string name, std::int16_t index = -1) {
    auto element = std::make_shared<T>();
    element->SetName(std::move(name));
    element->SetIndex(index);
    PlaceElement(element);
    return element;
  }
  // The same inside one of the control's own element containers (a picture box).
  template <typename T>
  std::shared_ptr<T> AddElementIn(Container& in, std::string name, std::int16_t index = -1) {
    auto element = std::make_shared<T>();
    element->SetName(std::move(name));
    element->SetIndex(index);
    PlaceElement(element, &in);
    return element;
  }
  void PlaceElement(const ControlPtr& element, Container* in = nullptr);
  // The properties a constituent user control was saved with on its holder's design surface:
  // its ReadProperties gets them when the holder comes to life (an empty store otherwise).
  void DesignProperties(PropertyBag bag) { design_properties_ = std::move(bag); }

  // Engine side: the lifecycle steps the container runs.
  void RunInitialize();
  void Site();
  void RunInitProperties();
  void RunReadProperties(PropertyBag& bag);
  void RunWriteProperties(PropertyBag& bag);
  void RunShow();
  void RunHide();
  // Resize through the error dispatch (only once sited).
  void RunResize();
  void Destroy() override;
  std::shared_ptr<Control> CloneForArray() const override;
  void Realize() override;
  void Unrealize() override;

  // Container
  Object& ContainerObject() override { return *this; }
  win32::HWND ChildWindow() const override { return window(); }
  std::int16_t ChildScaleMode() const override { return ScaleMode(); }
  void InvalidateWindowless() override { InvalidateSurface(); }

  // InputTarget
  const Object* HandlerOwner() override { return this; }
  std::string ProcedurePrefix() override { return "UserControl"; }
  win32::POINT MouseOrigin() override;
  std::int16_t MouseScale() override { return ScaleMode(); }
  bool RaisesClickFor(std::int16_t) override { return true; }
  void OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnClick() override { UserControl_Click(); }
  void OnDblClick() override { UserControl_DblClick(); }
  void OnKeyDown(std::int16_t& k, std::int16_t& s) override { UserControl_KeyDown(k, s); }
  void OnKeyUp(std::int16_t& k, std::int16_t& s) override { UserControl_KeyUp(k, s); }
  void OnKeyPress(std::int16_t& k) override { UserControl_KeyPress(k); }
  void OnGotFocus() override { UserControl_GotFocus(); }
  void OnLostFocus() override { UserControl_LostFocus(); }

  win32::LRESULT WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                               win32::LPARAM lparam) override;

  // Whether the focus is inside the control (between EnterFocus and ExitFocus).
  bool focus_within = false;
  // The edge the control is docked to (Extender.Align).
  std::int16_t align = 0;

 protected:
  void GeometryChanged(bool resized) override;
  void VisibilityChanged() override;
  // A class invisible at run time keeps its window hidden outside design mode.
  bool HiddenAtRunTime() const;
  void EnabledChanged() override;
  win32::HWND SurfaceWindow() const override { return window(); }
  win32::SIZE SurfaceSize() const override;
  void DrawOverImage(win32::HDC hdc) override { DrawWindowlessChildren(hdc); }
  void RaisePaint() override;

 private:
  std::unique_ptr<host::Extender> extender_;
  bool sited_ = false;
  bool initialized_ = false;
  bool shown_ = false;
  bool terminated_ = false;
  bool dirty_ = false;
  std::set<std::string> changed_;
  std::string access_keys_;
  bool can_get_focus_ = true;
  std::int16_t border_style_ = 0;
  PropertyBag design_properties_;
};

// The type information shared by every user control (its base in the registry).
const ClassInfo& UserControlBaseInfo();

}  // namespace host
