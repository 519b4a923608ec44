#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/control/control.h"
#include "platform/host/control/placement.h"
#include "platform/host/control/surface.h"
#include "platform/host/control/window_host.h"
#include "platform/host/event.h"
#include "platform/host/form/controls_collection.h"
#include "platform/host/form/menu.h"
#include "platform/host/object.h"

namespace VB {

// How a form is being unloaded (QueryUnload's UnloadMode).
enum QueryUnloadConstants : std::int16_t {
  vbFormControlMenu = 0,
  vbFormCode = 1,
  vbAppWindows = 2,
  vbAppTaskManager = 3,
  vbFormMDIForm = 4,
  vbFormOwner = 5,
};

// A form's BorderStyle.
enum FormBorderStyleConstants : std::int16_t {
  vbBSNone = 0,
  vbFixedSingle = 1,
  vbSizable = 2,
  vbFixedDouble = 3,
  vbFixedToolWindow = 4,
  vbSizableToolWindow = 5,
};

// A form's WindowState.
enum FormWindowStateConstants : std::int16_t {
  vbNormal = 0,
  vbMinimized = 1,
  vbMaximized = 2,
};

// PopupMenu flags.
enum MenuControlConstants : std::int32_t {
  vbPopupMenuLeftAlign = 0,
  vbPopupMenuCenterAlign = 4,
  vbPopupMenuRightAlign = 8,
  vbPopupMenuLeftButton = 0,
  vbPopupMenuRightButton = 2,
};

// A form: a top-level window holding controls and menus. Position and size are in twips
// and give the outer size; ScaleWidth and ScaleHeight are the client area below the menu bar.
class Form : public host::Object,
             public host::Container,
             public host::DrawingSurface,
             public host::WindowHost,
             public host::InputTarget {
 public:
  Form();
  ~Form() override;
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  bool MinButton() const { return min_button_; }
  void MinButton(bool value);
  bool MaxButton() const { return max_button_; }
  void MaxButton(bool value);
  bool ControlBox() const { return control_box_; }
  void ControlBox(bool value);
  bool Moveable() const { return moveable_; }
  void Moveable(bool value) { moveable_ = value; }
  std::int16_t WindowState() const;
  void WindowState(std::int16_t value);
  std::string Caption() const;
  void Caption(std::string value);
  const vb::PictureRef& Icon() const { return icon_; }
  // Also hands the icon to the window, which shows it in the caption and on the taskbar.
  void Icon(vb::PictureRef value);
  win32::HWND hWnd() const { return window(); }
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
  std::int16_t MousePointer() const { return mouse_pointer_; }
  void MousePointer(std::int16_t value) { mouse_pointer_ = value; }
  // Where the form goes when first shown: 0 where it was put, 1 centred on its owner (the
  // screen without one), 2 centred on the screen, 3 the window system's default place.
  std::int16_t StartUpPosition() const { return start_up_position_; }
  void StartUpPosition(std::int16_t value);
  bool KeyPreview() const { return key_preview_; }
  void KeyPreview(bool value) { key_preview_ = value; }

  // Shows the form (loading it first): modeless (0) or modal (1), optionally owned by
  // another form. A modal Show returns when the form is hidden or unloaded.
  void Show(std::int16_t modal = 0, std::shared_ptr<Form> owner = nullptr);
  void Hide();
  void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
            std::optional<float> height = {});
  // Drops a menu down at (x, y) in the form's scale (the cursor when left out) and waits;
  // the chosen item's Click runs after the menu has closed.
  void PopupMenu(std::shared_ptr<Menu> menu, std::optional<std::int32_t> flags = {},
                 std::optional<float> x = {}, std::optional<float> y = {},
                 std::shared_ptr<Menu> default_menu = nullptr);
  void SetFocus();
  host::ControlsCollection& Controls() { return *controls_; }
  const std::vector<std::shared_ptr<Menu>>& menus() const { return menus_; }

  // Building the form (the designer, form files, tests).
  template <typename T>
  std::shared_ptr<T> Add(std::string name, const host::Placement& placement = {},
                         const host::PropertyBag* stored = nullptr,
                         host::Container* container = nullptr, std::int16_t index = -1) {
    auto control = std::make_shared<T>();
    control->SetName(std::move(name));
    control->SetIndex(index);
    host::Place(container ? *container : *this, *this, control, stored, placement);
    return control;
  }
  // A menu under `parent` (a title of the menu bar when null).
  std::shared_ptr<Menu> AddMenu(std::string name, std::string caption, Menu* parent = nullptr,
                                std::int16_t index = -1);
  // Docks the aligned controls to the edges of the client area, in the order they were placed.
  void ArrangeAligned();
  // The menu bar appeared, went or changed: the client area below it follows.
  void MenusChanged();
  // The engine's side of placing: joins the Controls collection and takes a tab index.
  void RegisterControl(const host::ControlPtr& control);
  void UnregisterControl(const host::Control* control);
  std::shared_ptr<Object> NamedChild(std::string_view name) override;

  // State.
  bool loaded() const { return loaded_; }
  // Made from a saved form (a form file): until it loads, its stored values raise no events.
  bool built_from_file() const { return built_from_file_; }
  void SetBuiltFromFile() { built_from_file_ = true; }
  bool DesignMode() const { return design_mode_; }
  void SetDesignMode(bool value) { design_mode_ = value; }
  std::shared_ptr<Form> owner_form() const { return owner_.lock(); }
  int menu_bar_height() const;
  // The menu-bar title under a client point, or null.
  Menu* MenuTitleAt(win32::POINT client) const;
  win32::RECT MenuTitleRect(const Menu& menu) const;

  // Keyboard services for the input dispatch.
  void TabToNext(bool backwards);
  bool HandleAccessKey(char32_t ch);
  void PressDefaultOrCancel(bool enter, host::Object& focused);
  void NoteFocus(win32::HWND hwnd) { last_focus_ = hwnd; }
  // The form's focusable controls in tab order.
  std::vector<host::Control*> TabOrder() const;

  // Engine side of Load and Unload.
  void RunLoad();
  bool RunUnload(std::int16_t mode);

  // Events.
  host::Event<> Initialize{"Initialize", this};
  host::Event<> Load{"Load", this};
  host::Event<> Activate{"Activate", this};
  host::Event<> Deactivate{"Deactivate", this};
  host::Event<> Resize{"Resize", this};
  host::Event<> Paint{"Paint", this};
  host::Event<std::int16_t, std::int16_t> QueryUnload{"QueryUnload", this};
  host::Event<std::int16_t> Unload{"Unload", this};
  host::Event<> Terminate{"Terminate", this};
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

  // Container
  Object& ContainerObject() override { return *this; }
  win32::HWND ChildWindow() const override { return window(); }
  win32::POINT ChildOrigin() const override { return {0, menu_bar_height()}; }
  std::int16_t ChildScaleMode() const override { return ScaleMode(); }
  void InvalidateWindowless() override { InvalidateSurface(); }

  // InputTarget
  Object& TargetObject() override { return *this; }
  const Object* HandlerOwner() override { return this; }
  std::string ProcedurePrefix() override { return "Form"; }
  win32::POINT MouseOrigin() override;
  std::int16_t MouseScale() override { return ScaleMode(); }
  bool ContainsScreenPoint(win32::POINT screen) override;
  bool RaisesClickFor(std::int16_t) override { return true; }
  void OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
               float y) override;
  void OnClick() override { Click(); }
  void OnDblClick() override { DblClick(); }
  void OnKeyDown(std::int16_t& k, std::int16_t& s) override { KeyDown.Raise(k, s); }
  void OnKeyUp(std::int16_t& k, std::int16_t& s) override { KeyUp.Raise(k, s); }
  void OnKeyPress(std::int16_t& a) override { KeyPress.Raise(a); }
  void OnGotFocus() override { GotFocus(); }
  void OnLostFocus() override { LostFocus(); }

  win32::LRESULT WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                               win32::LPARAM lparam) override;

 protected:
  win32::HWND SurfaceWindow() const override { return window(); }
  win32::POINT SurfaceOrigin() const override { return {0, menu_bar_height()}; }
  win32::SIZE SurfaceSize() const override;
  void DrawOverImage(win32::HDC hdc) override;
  void RaisePaint() override;

 private:
  void ApplyStyle();
  void RaiseEvent(std::string_view name, const std::function<void()>& raise);
  void DropMenuTitle(Menu& title);
  void ShowWindowNow();
  void PlaceAtStartUp();

  std::string caption_;
  std::int16_t border_style_ = 2;
  bool min_button_ = true;
  bool max_button_ = true;
  bool control_box_ = true;
  bool moveable_ = true;
  std::int16_t window_state_ = 0;  // wanted while hidden
  vb::PictureRef icon_;
  std::int16_t mouse_pointer_ = 0;
  bool key_preview_ = false;
  std::int16_t start_up_position_ = 0;
  bool loaded_ = false;
  bool built_from_file_ = false;
  bool unloading_ = false;
  bool shown_once_ = false;
  bool design_mode_ = false;
  std::int16_t next_tab_index_ = 0;
  std::weak_ptr<Form> owner_;
  std::shared_ptr<host::ControlsCollection> controls_ =
      std::make_shared<host::ControlsCollection>();
  std::vector<std::shared_ptr<Menu>> menus_;
  win32::HWND last_focus_ = 0;
  int last_menu_bar_height_ = 0;
  // The outer position and size last given in twips, each with the pixel value it became:
  // while the window keeps that pixel value the form reports the twips it was given, as
  // the engine does, rather than the pixel value times the twips per pixel.
  struct ExactTwips {
    float twips = 0;
    int pixels = 0;
    bool set = false;
  };
  ExactTwips exact_[4];  // left, top, width, height
  float Reported(int which, int pixels, bool x) const;
};

}  // namespace VB

namespace host {

// Every loaded form of the application.
const std::vector<std::shared_ptr<VB::Form>>& Forms();

// Makes a form (of an application class derived from VB::Form, or VB::Form itself) with its
// window, not yet loaded.
template <typename T = VB::Form>
std::shared_ptr<T> NewForm(std::string name) {
  auto form = std::make_shared<T>();
  form->SetName(name);
  form->Caption(std::move(name));
  form->Initialize();
  return form;
}

// The engine's Load and Unload statements for forms. Unload raises QueryUnload and Unload
// (either may cancel: false), hides the form, ends its controls (Hide, Terminate) and
// destroys its window.
void Load(VB::Form& form);
bool Unload(VB::Form& form, std::int16_t mode = VB::vbFormCode);

}  // namespace host

// Host::Form is reachable as VB::Form; the engine code uses the shorter name.
namespace host {
using Form = VB::Form;
}
