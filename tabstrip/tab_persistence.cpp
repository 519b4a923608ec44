// Lifecycle, persistence and type information of the tab strip.
#include "platform/host/control/steps.h"
#include "platform/host/control/stored.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

namespace {

vb::Variant Color(vb::OLE_COLOR c) {
  return vb::Variant(static_cast<std::int32_t>(c));
}

// A stored picture, or none for an absent key or a value that is no picture.
vb::PictureRef PictureFrom(const vb::Variant& v) {
  if (!v.IsObject()) return nullptr;
  return std::dynamic_pointer_cast<vb::StdPicture>(v.ToObject());
}

std::string Key(const char* name, std::int32_t i) {
  return name + std::to_string(i);
}

}  // namespace

// Direct stores used while the stored values are read.
struct TabstripStorage {
  static void NumberOfTabs(XPTabstrip& t, const vb::Variant& v) {
    const std::int32_t n = v.ToLong();
    // A count the strip cannot hold would make the tab list unusable: refuse it.
    if (n < 0 || n > XPTabstrip::kMaxTabs) {
      throw vb::Error(vb::kInvalidPropertyValue, "NumberOfTabs " + std::to_string(n));
    }
    t.number_of_tabs_ = n;
  }
  static void NoFocusRect(XPTabstrip& t, const vb::Variant& v) { t.no_focus_rect_ = v.ToBoolean(); }
  static void Font(XPTabstrip& t, const vb::Variant& v) {
    if (auto font = std::dynamic_pointer_cast<vb::StdFont>(v.ToObject())) {
      t.DrawingSurface::Font(font);
    }
  }
};

void XPTabstrip::UserControl_InitProperties() {
  AddTab(60, "", true, true, nullptr);
  NoFocusRect(false);
  FirstVisibleTab = 1;
  selected_tab_ = 1;
  tab_height_ = 22;
  back_color_ = ShiftColor(
      static_cast<vb::OLE_COLOR>(
          host::GetProperty(host::AsObject(vb::Variant(Parent())), "BackColor").ToLong()),
      0);
  DrawingSurface::BackColor(back_color_);
  back_color_scroll_ = back_color_;
  pLeftUp->BackColor(back_color_scroll_);
  pRightDown->BackColor(back_color_scroll_);
  fore_color_ = ShiftColor(0x80000012, 0);
  DrawingSurface::ForeColor(fore_color_);
  fore_color_active_ = 0x00985038;
  fore_color_hot_ = 0x00FF0000;
  frame_color_ = ShiftColor(back_color_, -40);
  fore_color_disabled_ = frame_color_;
  scroll_arrow_color_ = ShiftColor(frame_color_, -20);
  mask_color_ = 0x00FF00FF;
  tab_hot_strip_color_ = 0x002890E8;
  DrawingSurface::Font(Ambient().Font());
}

void XPTabstrip::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::FirstFailure failure;
  failure.Run([&] { host::ReadStored(*this, PropBag); });
  // The tab list is made anew, spare record included, and filled straight from the store.
  tabs_.assign(static_cast<std::size_t>(number_of_tabs_) + 1, TabRecord{});
  for (std::int32_t i = 1; i <= number_of_tabs_; ++i) {
    TabRecord& tab = tabs_[static_cast<std::size_t>(i)];
    failure.Run([&] { tab.AutoSize = PropBag.ReadProperty(Key("AutoSize", i)).ToBoolean(); });
    failure.Run([&] { tab.Width = PropBag.ReadProperty(Key("TabWidth", i)).ToLong(); });
    failure.Run([&] { tab.Caption = PropBag.ReadProperty(Key("TabText", i)).ToString(); });
    failure.Run([&] { tab.Enabled = PropBag.ReadProperty(Key("TabEnabled", i)).ToBoolean(); });
    failure.Run([&] { tab.Picture = PictureFrom(PropBag.ReadProperty(Key("TabPicture", i))); });
  }
  BuildAccessKeys();
  failure.Report();
}

void XPTabstrip::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
  for (std::int32_t i = 1; i <= number_of_tabs_; ++i) {
    const TabRecord& tab = tabs_[static_cast<std::size_t>(i)];
    PropBag.WriteProperty(Key("TabPicture", i), vb::Variant(tab.Picture));
    PropBag.WriteProperty(Key("AutoSize", i), vb::Variant(tab.AutoSize));
    PropBag.WriteProperty(Key("TabWidth", i), vb::Variant(tab.Width));
    PropBag.WriteProperty(Key("TabText", i), vb::Variant(tab.Caption));
    PropBag.WriteProperty(Key("TabEnabled", i), vb::Variant(tab.Enabled));
  }
}

void XPTabstrip::UserControl_Resize() {
  DrawTab();
}

void XPTabstrip::UserControl_Terminate() {
  tabs_.clear();
  TabRects.clear();
}

const host::ClassInfo& XPTabstrip::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.XPTabstrip",
                                                            &host::UserControlBaseInfo());
    i.control_container = true;
    i.property_pages = {"QuorinSkinForVB6.XPTabstripPag", "StandardFont", "StandardColor"};
    using C = XPTabstrip;
    using host::Optional;
    using host::Param;
    // Written always (no default), except NoFocusRect; read with the defaults below.
    const vb::Variant always;
    auto current = [](const char* name) {
      return [name](C& c) { return host::GetProperty(c, name); };
    };
    host::ClassBuilder<C>(i)
        .Property("NoFocusRect", &C::NoFocusRect, &C::NoFocusRect, 0x68030000)
        .Persist({.read = 16, .write = 16, .default_value = false}, &TabstripStorage::NoFocusRect)
        .Property("TabHotStripColor", &C::TabHotStripColor, &C::TabHotStripColor, 0x68030001)
        .Persist(
            {.read = 13, .write = 12, .default_value = Color(0x002890E8), .write_default = always})
        .Property("BackColorScroll", &C::BackColorScroll, &C::BackColorScroll, 0x68030002)
        .Persist({.read = 5,
                  .write = 4,
                  .write_default = always,
                  .default_from = current("BackColorScroll")})
        .Property("SelectedTab", &C::SelectedTab, &C::SelectedTab, 0x68030003)
        .Persist(
            {.read = 14, .write = 13, .default_value = std::int32_t{1}, .write_default = always})
        .Property("ForeColorHot", &C::ForeColorHot, &C::ForeColorHot, 0x68030004)
        .Persist(
            {.read = 8, .write = 7, .default_value = Color(0x00FF0000), .write_default = always})
        .Property("Alignment", &C::Alignment, &C::Alignment, 0x68030005)
        .Persist(
            {.read = 2, .write = 1, .write_default = always, .default_from = current("Alignment")})
        .Property("NumberOfTabs", &C::NumberOfTabs, 0x68030006)
        .Persist(
            {.read = 15, .write = 15, .default_value = std::int32_t{1}, .write_default = always},
            &TabstripStorage::NumberOfTabs)
        .Property("MaskColor", &C::MaskColor, &C::MaskColor, 0x68030007)
        .Persist(
            {.read = 12, .write = 11, .default_value = Color(0x00FF00FF), .write_default = always})
        .Property("Font", &C::Font, &C::Font, 0x68030008)
        .Persist({.read = 1,
                  .write = 14,
                  .write_default = always,
                  .default_from = [](C& c) { return vb::Variant(c.DrawingSurface::Font()); }},
                 &TabstripStorage::Font)
        .IndexedProperty("TabPicture", &C::TabPicture, &C::TabPicture, {Param("Index")}, 0x68030009)
        .IndexedProperty("TabCaption", &C::TabCaption, &C::TabCaption, {Param("Index")}, 0x6803000A)
        .IndexedProperty("TabEnabled", &C::TabEnabled, &C::TabEnabled, {Param("Index")}, 0x6803000B)
        .IndexedProperty("AutoSize", &C::AutoSize, &C::AutoSize, {Param("Index")}, 0x6803000C)
        .IndexedProperty("TabWidth", &C::TabWidth, &C::TabWidth, {Param("Index")}, 0x6803000D)
        .Property("ScrollArrowColor", &C::ScrollArrowColor, &C::ScrollArrowColor, 0x6803000E)
        .Persist({.read = 11,
                  .write = 10,
                  .write_default = always,
                  .default_from = current("ScrollArrowColor")})
        .Property("FrameColor", &C::FrameColor, &C::FrameColor, 0x6803000F)
        .Persist(
            {.read = 10, .write = 9, .default_value = Color(0x00A0A098), .write_default = always})
        .Property("ForeColorDisabled", &C::ForeColorDisabled, &C::ForeColorDisabled, 0x68030010)
        .Persist({.read = 9,
                  .write = 8,
                  .write_default = always,
                  .default_from = current("ForeColorDisabled")})
        .Property("ForeColorActive", &C::ForeColorActive, &C::ForeColorActive, 0x68030011)
        .Persist(
            {.read = 7, .write = 6, .default_value = Color(0x00985038), .write_default = always})
        .Property("ForeColor", &C::ForeColor, &C::ForeColor, 0x68030012)
        .Persist(
            {.read = 6, .write = 5, .default_value = Color(0x80000012), .write_default = always})
        .Property("BackColor", &C::BackColor, &C::BackColor, 0x68030013)
        .Persist(
            {.read = 4, .write = 3, .default_value = Color(0x00E0F0F0), .write_default = always})
        .Property("TabHeight", &C::TabHeight, &C::TabHeight, 0x68030014)
        .Persist(
            {.read = 3, .write = 2, .default_value = std::int32_t{22}, .write_default = always})
        .Method("DrawTab", &C::DrawTab, {}, 0x6003002E)
        .Method("AddTab", &C::AddTab,
                {Optional("iTabWidth", std::int32_t{60}), Optional("sTabText", ""),
                 Optional("bTabEn", true), Optional("bAutoSize", true), Optional("pTabPicture")},
                0x6003002F)
        .Method("DeleteTab", &C::DeleteTab, {Optional("Index", std::int16_t{0})}, 0x60030030)
        .Method(
            "GetPictureSize",
            [](C& c, std::span<const vb::Variant> args) {
              std::int32_t x = 0;
              std::int32_t y = 0;
              c.GetPictureSize(host::VariantTraits<vb::PictureRef>::From(args[0]), x, y);
              return vb::Variant();
            },
            {Param("pPicture"), Param("picX"), Param("picY")}, 0x60030031)
        .Method("GetTabAccessKey", &C::GetTabAccessKey, {Param("iKey")}, 0x60030033)
        .Method("DrawUnSelectedTab", &C::DrawUnSelectedTab, {Param("Index")}, 0x60030035)
        .Method("DrawSelectedTab", &C::DrawSelectedTab, {Param("Index")}, 0x60030036)
        .Method("pRightDown_MouseDown", &C::pRightDown_MouseDown, host::MouseEventParams(),
                0x6003001C)
        .Event("TabPressed", {Param("PreviousTab")}, 1)
        .Event("MouseIn", host::MouseEventParams(), 2)
        .Event("MouseOut", host::MouseEventParams(), 3)
        .Event("MouseDown", host::MouseEventParams(), 4)
        .Event("MouseUp", host::MouseEventParams(), 5)
        .Event("TabDblClick", {Param("Index")}, 6)
        .Event("DblClick", {}, 7)
        .Enum("eTabAlignment", {{"tTop", 0}, {"tLeft", 1}, {"tRight", 2}, {"tBottom", 3}})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
