#include "platform/host/services/standard_color_page.h"

#include <algorithm>
#include <cstdio>

#include "platform/gfx/gdi.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"

namespace host {

namespace {

std::shared_ptr<VB::Label> TitleLabel(PropertyPage& page, const char* name, const char* caption,
                                      float left, float top) {
  auto label = page.AddElement<VB::Label>(name);
  label->Move(left, top, 1900, 195);
  label->Caption(caption);
  return label;
}

}  // namespace

std::string FormatColor(vb::OLE_COLOR color) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%08X&", static_cast<unsigned>(color));
  return text;
}

StandardColorPage::StandardColorPage() {
  Caption("Color");
  SizeTwips(5880, 3090);
  BackColor(0x8000000F);
  lblProperty = TitleLabel(*this, "lblProperty", "Properties:", 120, 120);
  cmbProperty = AddElement<VB::ComboBox>("cmbProperty");
  cmbProperty->Move(120, 330, 1900, 315);
  lblColorSet = TitleLabel(*this, "lblColorSet", "Color Set:", 120, 780);
  cmbColorSet = AddElement<VB::ComboBox>("cmbColorSet");
  cmbColorSet->Move(120, 990, 1900, 315);
  cmbColorSet->AddItem("Standard Colors");
  cmbColorSet->AddItem("System Colors");
  cmbColorSet->ListIndex(0);
  lblColor = TitleLabel(*this, "lblColor", "Color:", 120, 1440);
  picSample = AddElement<VB::PictureBox>("picSample");
  picSample->Move(120, 1650, 1900, 600);
  lblValue = AddElement<VB::Label>("lblValue");
  lblValue->Move(120, 2340, 1900, 195);
  lblValue->UseMnemonic(false);
  picPalette = AddElement<VB::PictureBox>("picPalette");
  picPalette->BorderStyle(0);
  picPalette->ScaleMode(vbPixels);
  picPalette->AutoRedraw(true);
  picPalette->Move(kPaletteLeft, 120, static_cast<float>(kColumns * kCell * 15),
                   static_cast<float>(kRows * kCell * 15));
  cmbSystem = AddElement<VB::ComboBox>("cmbSystem");
  cmbSystem->Move(kPaletteLeft, 330, static_cast<float>(kColumns * kCell * 15), 315);
  for (const char* name : SystemColorNames()) cmbSystem->AddItem(name);
  cmbSystem->Visible(false);

  cmbProperty->Click.Connect([this] { ShowCurrent(); });
  cmbColorSet->Click.Connect([this] { ShowSet(); });
  cmbSystem->Click.Connect([this] {
    if (!showing_ && cmbSystem->ListIndex() >= 0) {
      Choose(vb::kSystemColorFlag | static_cast<vb::OLE_COLOR>(cmbSystem->ListIndex()));
    }
  });
  picPalette->MouseDown.Connect([this](std::int16_t& button, std::int16_t&, float& x, float& y) {
    if (button != vbLeftButton || x < 0 || y < 0) return;
    const std::size_t cell = static_cast<std::size_t>(static_cast<int>(y) / kCell * kColumns +
                                                      static_cast<int>(x) / kCell);
    const std::vector<vb::OLE_COLOR> cells = Cells();
    if (static_cast<int>(x) < kColumns * kCell && cell < cells.size()) Choose(cells[cell]);
  });
  std::int16_t tab = 0;
  for (Control* c : std::initializer_list<Control*>{cmbProperty.get(), cmbColorSet.get(),
                                                    picPalette.get(), cmbSystem.get()}) {
    c->TabIndex(tab++);
  }
}

const std::array<vb::COLORREF, StandardColorPage::kColumns * StandardColorPage::kRows>&
StandardColorPage::Palette() {
  // Rows of light, full, dark and deep tones, then greys; written as red, green, blue.
  static const auto palette = [] {
    constexpr std::array<std::uint32_t, kColumns* kRows> rgb = {
        0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
        0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
        0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
        0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
        0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
        0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x404040, 0xFFFFFF};
    std::array<vb::COLORREF, kColumns * kRows> out{};
    for (std::size_t i = 0; i < rgb.size(); ++i) {
      out[i] = vb::RGB(static_cast<int>(rgb[i] >> 16), static_cast<int>((rgb[i] >> 8) & 0xFF),
                       static_cast<int>(rgb[i] & 0xFF));
    }
    return out;
  }();
  return palette;
}

const std::array<const char*, StandardColorPage::kSystemColors>&
StandardColorPage::SystemColorNames() {
  static const std::array<const char*, kSystemColors> names = {"Scroll Bars",
                                                               "Desktop",
                                                               "Active Title Bar",
                                                               "Inactive Title Bar",
                                                               "Menu Bar",
                                                               "Window Background",
                                                               "Window Frame",
                                                               "Menu Text",
                                                               "Window Text",
                                                               "Active Title Bar Text",
                                                               "Active Border",
                                                               "Inactive Border",
                                                               "Application Workspace",
                                                               "Highlight",
                                                               "Highlight Text",
                                                               "Button Face",
                                                               "Button Shadow",
                                                               "Disabled Text",
                                                               "Button Text",
                                                               "Inactive Title Bar Text",
                                                               "Button Highlight",
                                                               "Button Dark Shadow",
                                                               "Button Light Shadow",
                                                               "ToolTip Text",
                                                               "ToolTip"};
  return names;
}

std::vector<std::string> StandardColorPage::ColorProperties(Object& object) {
  return PropertiesOfKind(object, ValueKind::kColor);
}

StandardColorPage::Edit* StandardColorPage::Current() {
  std::int16_t index = cmbProperty->ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= edits_.size()) return nullptr;
  return &edits_[static_cast<std::size_t>(index)];
}

const StandardColorPage::Edit* StandardColorPage::Current() const {
  return const_cast<StandardColorPage*>(this)->Current();
}

vb::OLE_COLOR StandardColorPage::Color() const {
  const Edit* edit = Current();
  if (!edit) throw vb::Error(vb::kInvalidPropertyValue);
  return edit->color;
}

void StandardColorPage::Color(vb::OLE_COLOR value) {
  if (!Current()) throw vb::Error(vb::kInvalidPropertyValue);
  // A system colour must name one of the listed indices; other high bits are refused.
  if (vb::IsSystemColor(value) && (value & 0x7FFFFFFFu) >= kSystemColors) {
    throw vb::Error(vb::kInvalidPropertyValue);
  }
  if (!vb::IsSystemColor(value) && (value & 0xFF000000u) != 0) {
    throw vb::Error(vb::kInvalidPropertyValue);
  }
  Choose(value);
}

std::optional<vb::OLE_COLOR> StandardColorPage::EditedColor(const std::string& property) const {
  for (const Edit& e : edits_) {
    if (SameName(e.property, property)) return e.color;
  }
  return std::nullopt;
}

void StandardColorPage::PropertyPage_SelectionChanged() {
  edits_.clear();
  showing_ = true;
  cmbProperty->Clear();
  if (!SelectedControls().empty() && SelectedControls().front()) {
    Object& control = *SelectedControls().front();
    for (const std::string& name : ColorProperties(control)) {
      // A property that cannot be read now is not offered.
      std::int32_t value = 0;
      try {
        value = GetProperty(control, name).ToLong();
      } catch (const vb::Error&) {
        continue;
      }
      edits_.push_back({name, static_cast<vb::OLE_COLOR>(value), false});
      cmbProperty->AddItem(name);
    }
  }
  showing_ = false;
  if (!edits_.empty()) {
    cmbProperty->ListIndex(0);  // shows it
  } else {
    ShowCurrent();
  }
  Changed(false);
}

void StandardColorPage::ShowCurrent() {
  if (showing_) return;
  const Edit* edit = Current();
  showing_ = true;
  for (Control* c : std::initializer_list<Control*>{cmbProperty.get(), cmbColorSet.get(),
                                                    picPalette.get(), cmbSystem.get()}) {
    c->Enabled(edit != nullptr);
  }
  // A system colour opens the system list, any other the palette.
  if (edit) cmbColorSet->ListIndex(vb::IsSystemColor(edit->color) ? 1 : 0);
  const std::int16_t system =
      edit && vb::IsSystemColor(edit->color) ? static_cast<std::int16_t>(edit->color & 0xFF) : -1;
  cmbSystem->ListIndex(system < kSystemColors ? system : -1);
  picSample->BackColor(edit ? edit->color : vb::kSystemColorFlag | vb::COLOR_BTNFACE);
  picSample->Cls();
  lblValue->Caption(edit ? FormatColor(edit->color) : std::string());
  showing_ = false;
  ShowSet();
}

std::vector<vb::OLE_COLOR> StandardColorPage::Cells() const {
  std::vector<vb::OLE_COLOR> cells;
  if (cmbColorSet->ListIndex() == 1) {
    for (int i = 0; i < kSystemColors; ++i) {
      cells.push_back(vb::kSystemColorFlag | static_cast<vb::OLE_COLOR>(i));
    }
  } else {
    cells.assign(Palette().begin(), Palette().end());
  }
  return cells;
}

void StandardColorPage::ShowSet() {
  // The system colours: their names in a list, their swatches under it.
  const bool system = cmbColorSet->ListIndex() == 1;
  cmbSystem->Visible(system);
  picPalette->Top(system ? 765.0f : 120.0f);
  DrawPalette();
}

void StandardColorPage::DrawPalette() {
  picPalette->Cls();
  win32::HDC dc = picPalette->hDC();
  const Edit* edit = Current();
  const std::vector<vb::OLE_COLOR> cells = Cells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int x = static_cast<int>(i % kColumns) * kCell;
    const int y = static_cast<int>(i / kColumns) * kCell;
    win32::RECT cell{x + 3, y + 3, x + kCell - 3, y + kCell - 3};
    if (edit && edit->color == cells[i]) {
      FillSolid(dc, {x + 1, y + 1, x + kCell - 1, y + kCell - 1}, 0);
      FillSolid(dc, {x + 2, y + 2, x + kCell - 2, y + kCell - 2}, 0xFFFFFF);
    }
    win32::DrawEdge(dc, &cell, win32::EDGE_SUNKEN, win32::BF_RECT);
    FillSolid(dc, {cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2},
              vb::TranslateColor(cells[i]));
  }
  picPalette->Refresh();
}

void StandardColorPage::Choose(vb::OLE_COLOR color) {
  Edit* edit = Current();
  if (!edit) return;
  edit->color = color;
  edit->edited = true;
  ShowCurrent();
  Changed(true);
}

void StandardColorPage::PropertyPage_ApplyChanges() {
  for (Edit& edit : edits_) {
    if (!edit.edited) continue;
    for (const ObjectPtr& control : SelectedControls()) {
      if (!control || !HasPropertyOfKind(*control, ValueKind::kColor, edit.property)) continue;
      LetProperty(*control, edit.property, vb::Variant(static_cast<std::int32_t>(edit.color)));
    }
    edit.edited = false;
  }
}

const ClassInfo& StandardColorPage::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.StandardColor", &PropertyPage::BaseInfo());
    ClassBuilder<StandardColorPage>(i)
        .Property("Color", &StandardColorPage::Color, &StandardColorPage::Color)
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace host
