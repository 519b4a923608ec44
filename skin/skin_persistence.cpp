// The skin's lifecycle in its container: defaults, saving and reading back.

#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

// The default of "Caption" is this literal text, on both sides.
constexpr const char* kCaptionDefault = "Caption1.Caption";
constexpr std::int32_t kMenuBackDefault = static_cast<std::int32_t>(0x80000004);

// A stored font, or the default when none is stored; another kind of value is a mismatch.
vb::FontRef ReadFont(const host::PropertyBag& bag, const char* key, vb::FontRef fallback) {
  auto font = std::dynamic_pointer_cast<vb::StdFont>(
      bag.ReadProperty(key, vb::Variant(std::move(fallback))).ToObject());
  if (!font) throw vb::Error(vb::kTypeMismatch, key);
  return font;
}

// A stored picture, or none.
vb::PictureRef ReadPicture(const host::PropertyBag& bag, const char* key) {
  vb::ObjectRef object = bag.ReadProperty(key, vb::Variant(vb::ObjectRef())).ToObject();
  if (!object) return nullptr;
  auto picture = std::dynamic_pointer_cast<vb::StdPicture>(object);
  if (!picture) throw vb::Error(vb::kTypeMismatch, key);
  return picture;
}

}  // namespace

void QuorinSkin::UserControl_Initialize() {
  host::Skipping([&] { Repos(); });
}

void QuorinSkin::UserControl_InitProperties() {
  host::Skipping([&] {
    host::LetProperty(host::AsObject(Parent()), "BackColor", DefaultBackgroundColor());
    m_ShowHelp = false;
    // A new instance is not attached yet, so this ends the operation and the design-time
    // defaults stay.
    Caption1->Caption(HostForm().Caption());
  });
}

void QuorinSkin::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  // A stored value that cannot be used is reported to the container, but only after the
  // other values were read, so saving the form again loses none of them.
  host::FirstFailure failure;
  auto read = [&failure](auto&& step) { failure.Run(step); };
  read([&] { Caption1->Caption(PropBag.ReadProperty("Caption", kCaptionDefault).ToString()); });
  read([&] { Caption2->Caption(Caption1->Caption()); });
  read([&] { Caption1->Font(ReadFont(PropBag, "Font", Ambient().Font())); });
  read([&] { Caption2->Font(ReadFont(PropBag, "Font", Ambient().Font())); });
  read([&] { m_ShowHelp = PropBag.ReadProperty("ShowHelp", false).ToBoolean(); });
  read([&] { TitleIcon->Picture(ReadPicture(PropBag, "Icon")); });
  read([&] { TitleIcon->Visible(PropBag.ReadProperty("ShowIcon", true).ToBoolean()); });
  read([&] {
    pICmenu->BackColor(static_cast<vb::OLE_COLOR>(
        PropBag.ReadProperty("MenuBackColor", kMenuBackDefault).ToLong()));
  });
  read([&] { TitleIcon->Top(7); });
  read([&] { m_HaveChild = PropBag.ReadProperty("HaveChild", false).ToBoolean(); });
  read([&] { Picture(ReadPicture(PropBag, "Picture")); });
  read([&] { m_Theme = PropBag.ReadProperty("Theme", std::int32_t{0}).ToLong(); });
  read([&] { Repos(); });
  read([&] { m_Theme = PropBag.ReadProperty("Theme", std::int32_t{0}).ToLong(); });
  failure.Report();
}

void QuorinSkin::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  PropBag.WriteProperty("Caption", Caption1->Caption(), kCaptionDefault);
  PropBag.WriteProperty("Font", vb::Variant(Caption1->Font()), vb::Variant(Ambient().Font()));
  PropBag.WriteProperty("ShowHelp", m_ShowHelp, false);
  PropBag.WriteProperty("ShowIcon", TitleIcon->Visible(), true);
  PropBag.WriteProperty("Icon", vb::Variant(TitleIcon->Picture()), vb::Variant(vb::ObjectRef()));
  PropBag.WriteProperty("MenuBackColor", static_cast<std::int32_t>(pICmenu->BackColor()),
                        kMenuBackDefault);
  PropBag.WriteProperty("HaveChild", m_HaveChild, false);
  // The theme is kept as a Long, so every value the property accepts comes back.
  PropBag.WriteProperty("Theme", m_Theme, std::int32_t{0});
}

void QuorinSkin::UserControl_Terminate() {
  Timer1->Enabled(false);
  Timer2->Enabled(false);
  Detach();
}

}  // namespace quorin
