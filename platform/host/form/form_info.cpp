#include "platform/host/form/form.h"
#include "platform/host/types/class_builder.h"

namespace VB {

using host::Optional;
using host::Param;

const host::ClassInfo& Form::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Form");
    const std::vector<host::ParamInfo> mouse = {Param("Button"), Param("Shift"), Param("X"),
                                                Param("Y")};
    host::ClassBuilder<Form>(i)
        .Property("Name", &Form::Name)
        .Property("BorderStyle", &Form::BorderStyle, &Form::BorderStyle)
        .Property("MinButton", &Form::MinButton, &Form::MinButton)
        .Property("MaxButton", &Form::MaxButton, &Form::MaxButton)
        .Property("ControlBox", &Form::ControlBox, &Form::ControlBox)
        .Property("Moveable", &Form::Moveable, &Form::Moveable)
        .Property("WindowState", &Form::WindowState, &Form::WindowState)
        .Property("Caption", &Form::Caption, &Form::Caption)
        .Property("Icon", &Form::Icon, &Form::Icon)
        .Property("BackColor", &host::DrawingSurface::BackColor, &host::DrawingSurface::BackColor)
        .Property("ForeColor", &host::DrawingSurface::ForeColor, &host::DrawingSurface::ForeColor)
        .Property("Picture", &host::DrawingSurface::Picture, &host::DrawingSurface::Picture)
        .Property("Font", &host::DrawingSurface::Font, &host::DrawingSurface::Font)
        .Property("AutoRedraw", &host::DrawingSurface::AutoRedraw,
                  &host::DrawingSurface::AutoRedraw)
        .Property("ScaleMode", &host::DrawingSurface::ScaleMode, &host::DrawingSurface::ScaleMode)
        .Property("ScaleWidth", &host::DrawingSurface::ScaleWidth)
        .Property("ScaleHeight", &host::DrawingSurface::ScaleHeight)
        .Property(
            "hWnd", [](Form& f) { return vb::Variant(static_cast<std::int32_t>(f.hWnd())); },
            nullptr)
        .Property("Left", &Form::Left, &Form::Left)
        .Property("Top", &Form::Top, &Form::Top)
        .Property("Width", &Form::Width, &Form::Width)
        .Property("Height", &Form::Height, &Form::Height)
        .Property("Visible", &Form::Visible, &Form::Visible)
        .Property("Enabled", &Form::Enabled, &Form::Enabled)
        .Property("MousePointer", &Form::MousePointer, &Form::MousePointer)
        .Property("KeyPreview", &Form::KeyPreview, &Form::KeyPreview)
        .Property("StartUpPosition", &Form::StartUpPosition, &Form::StartUpPosition)
        .Property(
            "Controls",
            [](Form& f) {
              return vb::Variant(vb::ObjectRef(f.Controls().SharedAs<host::ControlsCollection>()));
            },
            nullptr, true)
        .Method("Show", &Form::Show, {Optional("Modal", std::int16_t{0}), Optional("OwnerForm")})
        .Method("Hide", &Form::Hide)
        .Method("Move", &Form::Move,
                {Param("Left"), Optional("Top"), Optional("Width"), Optional("Height")})
        .Method("PopupMenu", &Form::PopupMenu,
                {Param("Menu"), Optional("Flags"), Optional("X"), Optional("Y"),
                 Optional("DefaultMenu")})
        .Method("SetFocus", &Form::SetFocus)
        .Method("Refresh", &host::DrawingSurface::Refresh)
        .Method("Cls", &host::DrawingSurface::Cls)
        .Event("Initialize")
        .Event("Load")
        .Event("Activate")
        .Event("Deactivate")
        .Event("Resize")
        .Event("Paint")
        .Event("QueryUnload", {Param("Cancel"), Param("UnloadMode")})
        .Event("Unload", {Param("Cancel")})
        .Event("Terminate")
        .Event("Click")
        .Event("DblClick")
        .Event("MouseDown", mouse)
        .Event("MouseMove", mouse)
        .Event("MouseUp", mouse)
        .Event("KeyDown", {Param("KeyCode"), Param("Shift")})
        .Event("KeyUp", {Param("KeyCode"), Param("Shift")})
        .Event("KeyPress", {Param("KeyAscii")})
        .Event("GotFocus")
        .Event("LostFocus")
        .Enum("FormBorderStyleConstants", {{"vbBSNone", 0},
                                           {"vbFixedSingle", 1},
                                           {"vbSizable", 2},
                                           {"vbFixedDialog", 3},
                                           {"vbFixedToolWindow", 4},
                                           {"vbSizableToolWindow", 5}})
        .Enum("FormWindowStateConstants", {{"vbNormal", 0}, {"vbMinimized", 1}, {"vbMaximized", 2}})
        .Enum("QueryUnloadConstants", {{"vbFormControlMenu", 0},
                                       {"vbFormCode", 1},
                                       {"vbAppWindows", 2},
                                       {"vbAppTaskManager", 3},
                                       {"vbFormMDIForm", 4},
                                       {"vbFormOwner", 5}});
    i.factory = []() -> std::shared_ptr<host::Object> { return std::make_shared<Form>(); };
    return i;
  }();
  return info;
}

}  // namespace VB
