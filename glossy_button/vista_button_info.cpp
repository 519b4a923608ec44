#include <memory>

#include "glossy_button/vista_button.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"

namespace quorin {

const host::ClassInfo& VistaButton::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.VistaButton",
                                                            &host::UserControlBaseInfo());
    using C = VistaButton;
    constexpr std::int32_t kButtonText = static_cast<std::int32_t>(0x80000012u);
    // Read order: style, Enabled, caption, Font, Picture, ForeColor, MyToolTip, Skin.
    // Write order: Style, Picture, Caption, Font, ForeColor, MyToolTip, Enabled, Skin.
    host::ClassBuilder<C>(i)
        .Property("Caption", &C::Caption, &C::Caption)
        .Persist({.read = 3, .write = 3, .default_value = "0"},
                 [](C& c, const vb::Variant& v) { c.Pback->Tag(v.ToString()); })
        // Read with default False, written against "" so that the key is always kept.
        .Property("Enabled", &C::Enabled, &C::Enabled)
        .Persist({.read = 2, .write = 7, .default_value = false, .write_default = vb::Variant("")},
                 [](C& c, const vb::Variant& v) { c.Pback->Enabled(v.ToBoolean()); })
        .Property("Font", &C::Font, &C::Font)
        .Persist(
            {.read = 4,
             .write = 4,
             .default_from =
                 [](C& c) {
                   return vb::Variant(std::static_pointer_cast<vb::Object>(c.Ambient().Font()));
                 }},
            [](C& c, const vb::Variant& v) {
              auto font = std::dynamic_pointer_cast<vb::StdFont>(v.ToObject());
              if (!font) throw vb::Error(vb::kInvalidPropertyValue, "Font");
              c.Pback->Font(std::move(font));
            })
        .Property("ForeColor", &C::ForeColor, &C::ForeColor)
        .Persist({.read = 6, .write = 5, .default_value = kButtonText},
                 [](C& c, const vb::Variant& v) {
                   c.Pback->ForeColor(host::VariantTraits<vb::OLE_COLOR>::From(v));
                 })
        // Applied through the property: the face is drawn with the picture.
        .Property("Picture", &C::Picture, &C::Picture)
        .Persist({.read = 5, .write = 2})
        .Property("Style", &C::Style, &C::Style)
        .Persist({.read = 1, .write = 1, .default_value = std::int32_t{0}},
                 [](C& c, const vb::Variant& v) { c.style_ = v.ToLong(); })
        .Property("Skin", &C::Skin, &C::Skin)
        .Persist({.read = 8, .write = 8, .default_value = std::int32_t{0}})
        // Kept with the skin pictures and written back as it was read; nothing uses it.
        .StoredValue(
            "MyToolTip", {.read = 7, .write = 6, .default_value = ""},
            [](C& c) { return vb::Variant(c.im(1).Tag()); },
            [](C& c, const vb::Variant& v) { c.im(1).Tag(v.ToString()); })
        .Method("PrintB", &C::PrintB, {host::Param("VV")})
        .Method("SetText", &C::SetText, {host::Param("Caption")})
        .Method("UserControl_Resize", &C::UserControl_Resize)
        .Event("Click", {}, 1)
        .Event("MouseDown", host::MouseEventParams(), 2)
        .Event("MouseUp", host::MouseEventParams(), 3)
        .Event("MouseMove", host::MouseEventParams(), 4)
        .Enum("Kstyle", {{"Left", 0}, {"Top", 1}})
        .Enum("ButtonPicture", {{"VistaButton", 0},
                                {"VistaButton2", 1},
                                {"VistaButton3", 2},
                                {"VistaButton4", 3},
                                {"Office", 4},
                                {"XPButton", 5}})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
