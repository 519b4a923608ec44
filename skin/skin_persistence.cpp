// The skin's lifecycle in its container: defaults, saving and reading back.

#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "skin/quorin_skin.h"

namespace quorin {

namespace {

// The default of "Caption" is this literal text, on both sides.
constexpr const char* kCaptionDefault = "Caption1.Caption";
constexpr std::int32_t kMenuBackDefault = static_cast<std::int32_t>(0x80000004);

}  // namespace

void QuorinSkin::UserControl_Initialize() {
  try {
    Repos();
  } catch (const vb::Error&) {
  }
}

void QuorinSkin::UserControl_InitProperties() {
  try {
    host::LetProperty(host::AsObject(Parent()), "BackColor", DefaultBackgroundColor());
    m_ShowHelp = false;
    // A new instance is not attached yet, so this ends the operation and the design-time
    // defaults stay.
    Caption1->Caption(HostForm().Caption());
  } catch (const vb::Error&) {
  }
}

void QuorinSkin::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  Caption1->Caption(PropBag.ReadProperty("Caption", kCaptionDefault).ToString());
  Caption2->Caption(Caption1->Caption());
  const vb::Variant ambient_font(Ambient().Font());
  Caption1->Font(std::dynamic_pointer_cast<vb::StdFont>(
      PropBag.ReadProperty("Font", ambient_font).ToObject()));
  Caption2->Font(std::dynamic_pointer_cast<vb::StdFont>(
      PropBag.ReadProperty("Font", vb::Variant(Ambient().Font())).ToObject()));
  m_ShowHelp = PropBag.ReadProperty("ShowHelp", false).ToBoolean();
  TitleIcon->Picture(std::dynamic_pointer_cast<vb::StdPicture>(
      PropBag.ReadProperty("Icon", vb::Variant(vb::ObjectRef())).ToObject()));
  TitleIcon->Visible(PropBag.ReadProperty("ShowIcon", true).ToBoolean());
  pICmenu->BackColor(
      static_cast<vb::OLE_COLOR>(PropBag.ReadProperty("MenuBackColor", kMenuBackDefault).ToLong()));
  TitleIcon->Top(7);
  m_HaveChild = PropBag.ReadProperty("HaveChild", false).ToBoolean();
  Picture(std::dynamic_pointer_cast<vb::StdPicture>(
      PropBag.ReadProperty("Picture", vb::Variant(vb::ObjectRef())).ToObject()));
  m_Theme = PropBag.ReadProperty("Theme", std::int32_t{0}).ToLong();
  Repos();
  m_Theme = PropBag.ReadProperty("Theme", std::int32_t{0}).ToLong();
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
