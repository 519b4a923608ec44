#include "platform/host/services/standard_font_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/gfx/text/font_match.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"

namespace host {

namespace {

template <typename T>
std::shared_ptr<T> Place(PropertyPage& page, Container* in, const char* name, float left, float top,
                         float width, float height) {
  auto element = in ? page.AddElementIn<T>(*in, name) : page.AddElement<T>(name);
  element->Move(left, top, width, height);
  return element;
}

std::shared_ptr<VB::Label> TitleLabel(PropertyPage& page, const char* name, const char* caption,
                                      float left, float top) {
  auto label = Place<VB::Label>(page, nullptr, name, left, top, 1900, 195);
  label->Caption(caption);
  return label;
}

std::shared_ptr<VB::CheckBox> Check(PropertyPage& page, Container& in, const char* name,
                                    const char* caption, float top) {
  auto check = Place<VB::CheckBox>(page, &in, name, 180, top, 1500, 255);
  check->Caption(caption);
  return check;
}

bool Lower(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string FormatPointSize(float size) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(size));
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

StandardFontPage::StandardFontPage() {
  Caption("Font");
  SizeTwips(5880, 3090);
  BackColor(0x8000000F);
  lblProperty = TitleLabel(*this, "lblProperty", "Property Name:", 120, 120);
  cmbProperty = Place<VB::ComboBox>(*this, nullptr, "cmbProperty", 120, 330, 2400, 315);
  lblFont = TitleLabel(*this, "lblFont", "Font:", 120, 780);
  cmbFont = Place<VB::ComboBox>(*this, nullptr, "cmbFont", 120, 990, 2400, 315);
  lblSize = TitleLabel(*this, "lblSize", "Size:", 120, 1440);
  cmbSize = Place<VB::ComboBox>(*this, nullptr, "cmbSize", 120, 1650, 1200, 315);
  fraEffects = Place<VB::Frame>(*this, nullptr, "fraEffects", 2760, 120, 3000, 1845);
  fraEffects->Caption("Effects");
  chkBold = Check(*this, *fraEffects, "chkBold", "Bold", 300);
  chkItalic = Check(*this, *fraEffects, "chkItalic", "Italic", 660);
  chkUnderline = Check(*this, *fraEffects, "chkUnderline", "Underline", 1020);
  chkStrikethrough = Check(*this, *fraEffects, "chkStrikethrough", "Strikethrough", 1380);
  fraSample = Place<VB::Frame>(*this, nullptr, "fraSample", 120, 2085, 5640, 885);
  fraSample->Caption("Sample");
  lblSample = Place<VB::Label>(*this, fraSample.get(), "lblSample", 120, 240, 5400, 585);
  lblSample->Alignment(2);
  lblSample->Caption("AaBbYyZz");

  cmbProperty->Click.Connect([this] { ShowCurrent(); });
  for (auto* combo : {cmbFont.get(), cmbSize.get()}) {
    combo->Click.Connect([this] { FieldChanged(); });
  }
  for (auto* check : {chkBold.get(), chkItalic.get(), chkUnderline.get(), chkStrikethrough.get()}) {
    check->Click.Connect([this] { FieldChanged(); });
  }
  // The tab order: the lists top down, then the effects.
  std::int16_t tab = 0;
  for (Control* c : std::initializer_list<Control*>{cmbProperty.get(), cmbFont.get(), cmbSize.get(),
                                                    chkBold.get(), chkItalic.get(),
                                                    chkUnderline.get(), chkStrikethrough.get()}) {
    c->TabIndex(tab++);
  }
}

std::vector<std::string> StandardFontPage::FontProperties(Object& object) {
  return PropertiesOfKind(object, ValueKind::kFont);
}

const std::vector<float>& StandardFontPage::StandardSizes() {
  static const std::vector<float> sizes = {8,  9,  10, 11, 12, 14, 16, 18,
                                           20, 22, 24, 26, 28, 36, 48, 72};
  return sizes;
}

vb::FontRef StandardFontPage::EditedFont(std::string_view property) const {
  for (const Edit& e : edits_) {
    if (SameName(e.property, property)) return e.font;
  }
  return nullptr;
}

StandardFontPage::Edit* StandardFontPage::Current() {
  std::int16_t index = cmbProperty->ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= edits_.size()) return nullptr;
  return &edits_[static_cast<std::size_t>(index)];
}

void StandardFontPage::PropertyPage_SelectionChanged() {
  edits_.clear();
  showing_ = true;
  cmbProperty->Clear();
  showing_ = false;
  if (!SelectedControls().empty() && SelectedControls().front()) {
    Object& control = *SelectedControls().front();
    for (const std::string& name : FontProperties(control)) {
      // A property that cannot be read now, or holds no font, is not offered.
      vb::FontRef font;
      try {
        vb::Variant value = GetProperty(control, name);
        if (value.IsObject()) font = std::dynamic_pointer_cast<vb::StdFont>(value.ToObject());
      } catch (const vb::Error&) {
      }
      if (font) edits_.push_back({name, font->Clone()});
    }
  }
  showing_ = true;
  for (const Edit& e : edits_) cmbProperty->AddItem(e.property);
  showing_ = false;
  if (!edits_.empty()) {
    cmbProperty->ListIndex(0);  // shows it
  } else {
    ShowCurrent();
  }
  Changed(false);
}

void StandardFontPage::FillFaces(const std::string& face) {
  if (families_.empty()) families_ = gfx::text::InstalledFamilies();
  std::vector<std::string> faces = families_;
  auto same = [&](const std::string& f) { return SameName(f, face); };
  if (!face.empty() && std::none_of(faces.begin(), faces.end(), same)) {
    faces.insert(std::upper_bound(faces.begin(), faces.end(), face, Lower), face);
  }
  cmbFont->Clear();
  for (const std::string& f : faces) cmbFont->AddItem(f);
  auto at = std::find_if(faces.begin(), faces.end(), same);
  if (at != faces.end()) cmbFont->ListIndex(static_cast<std::int16_t>(at - faces.begin()));
}

void StandardFontPage::FillSizes(float size) {
  std::vector<float> sizes = StandardSizes();
  if (std::find(sizes.begin(), sizes.end(), size) == sizes.end()) {
    sizes.insert(std::upper_bound(sizes.begin(), sizes.end(), size), size);
  }
  cmbSize->Clear();
  for (float s : sizes) cmbSize->AddItem(FormatPointSize(s));
  auto at = std::find(sizes.begin(), sizes.end(), size);
  cmbSize->ListIndex(static_cast<std::int16_t>(at - sizes.begin()));
}

void StandardFontPage::ShowCurrent() {
  if (showing_) return;
  showing_ = true;
  Edit* edit = Current();
  for (Control* c : std::initializer_list<Control*>{cmbFont.get(), cmbSize.get(), chkBold.get(),
                                                    chkItalic.get(), chkUnderline.get(),
                                                    chkStrikethrough.get(), cmbProperty.get()}) {
    c->Enabled(edit != nullptr);
  }
  if (edit) {
    const vb::StdFont& font = *edit->font;
    FillFaces(font.Name());
    FillSizes(font.Size());
    chkBold->Value(font.Bold() ? 1 : 0);
    chkItalic->Value(font.Italic() ? 1 : 0);
    chkUnderline->Value(font.Underline() ? 1 : 0);
    chkStrikethrough->Value(font.Strikethrough() ? 1 : 0);
    lblSample->Font(edit->font->Clone());
  } else {
    cmbFont->Clear();
    cmbSize->Clear();
  }
  lblSample->Visible(edit != nullptr);
  showing_ = false;
}

void StandardFontPage::FieldChanged() {
  if (showing_) return;
  Edit* edit = Current();
  if (!edit) return;
  vb::StdFont& font = *edit->font;
  if (cmbFont->ListIndex() >= 0) font.Name(cmbFont->Text());
  if (cmbSize->ListIndex() >= 0) font.Size(std::strtof(cmbSize->Text().c_str(), nullptr));
  font.Bold(chkBold->Value() == 1);
  font.Italic(chkItalic->Value() == 1);
  font.Underline(chkUnderline->Value() == 1);
  font.Strikethrough(chkStrikethrough->Value() == 1);
  edit->edited = true;
  lblSample->Font(font.Clone());
  Changed(true);
}

void StandardFontPage::PropertyPage_ApplyChanges() {
  for (Edit& edit : edits_) {
    if (!edit.edited) continue;
    for (const ObjectPtr& control : SelectedControls()) {
      if (!control || !HasPropertyOfKind(*control, ValueKind::kFont, edit.property)) continue;
      // Each control gets a font of its own.
      SetProperty(*control, edit.property, vb::ObjectRef(edit.font->Clone()));
    }
    edit.edited = false;
  }
}

const ClassInfo& StandardFontPage::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.StandardFont", &PropertyPage::BaseInfo());
    ClassBuilder<StandardFontPage>(i).Creatable();
    return i;
  }();
  return info;
}

}  // namespace host
