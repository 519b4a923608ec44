#include "platform/host/elements/option_button.h"

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"

namespace VB {

namespace {

// The classic 12 x 12 option-button glyph: S shadow, D dark shadow, H highlight, L light,
// W the window colour inside.
constexpr const char* kGlyph[12] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
    "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".HLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};
// The dot of a chosen button, at (4, 4) of the glyph.
constexpr const char* kDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};

}  // namespace

// The button face behind, the button text colour.
OptionButton::OptionButton() : TextElement(0x8000000F, 0x80000012) {
  SetTwips(0, 0, 1215, 255);
}

void OptionButton::Caption(std::string value) {
  caption_ = std::move(value);
  Invalidate();
}
void OptionButton::Alignment(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  alignment_ = value;
  Invalidate();
}

void OptionButton::Value(bool value) {
  if (value == value_) return;
  value_ = value;
  Invalidate();
  if (!value) return;
  // The group is the option buttons of the same container.
  if (host::Container* holder = container()) {
    const std::vector<host::ControlPtr> siblings = holder->children();
    for (const host::ControlPtr& c : siblings) {
      auto* other = dynamic_cast<OptionButton*>(c.get());
      if (other && other != this) other->Value(false);
    }
  }
  if (!choosing_ && RaisesChangeEvents()) host::RaiseOn(*this, "Click", [this] { Click(); });
}

void OptionButton::OnClick() {
  choosing_ = true;
  Value(true);
  choosing_ = false;
  Click();
}

void OptionButton::OnKeyUp(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyUp(key, shift);
  if (key == win32::VK_SPACE && alive()) OnClick();
}

void OptionButton::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  const int left = alignment_ == 0 ? 0 : r.right - 12;
  const int top = (r.bottom - 12) / 2;
  auto color = [](char c) -> int {
    switch (c) {
      case 'S':
        return vb::COLOR_BTNSHADOW;
      case 'D':
        return vb::COLOR_3DDKSHADOW;
      case 'H':
        return vb::COLOR_BTNHIGHLIGHT;
      case 'L':
        return vb::COLOR_3DLIGHT;
      case 'W':
        return vb::COLOR_WINDOW;
      default:
        return -1;
    }
  };
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const int index = color(kGlyph[y][x]);
      if (index >= 0) win32::SetPixelV(hdc, left + x, top + y, vb::GetSysColor(index));
    }
  }
  if (value_) {
    const vb::COLORREF dot = vb::GetSysColor(Enabled() ? vb::COLOR_WINDOWTEXT : vb::COLOR_GRAYTEXT);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        if (kDot[y][x] == 'X') win32::SetPixelV(hdc, left + 4 + x, top + 4 + y, dot);
      }
    }
  }
  const vb::COLORREF text = TextColor();
  const win32::RECT area = alignment_ == 0 ? win32::RECT{17, 0, r.right, r.bottom}
                                           : win32::RECT{0, 0, r.right - 17, r.bottom};
  host::DrawTextIn(hdc, *font_, text, caption_, area, win32::DT_VCENTER | win32::DT_SINGLELINE);
}

std::shared_ptr<host::Control> OptionButton::CloneForArray() const {
  auto copy = std::make_shared<OptionButton>();
  CopyStateTo(*copy);
  copy->caption_ = caption_;
  copy->alignment_ = alignment_;
  CopyLookTo(*copy);
  return copy;
}

const host::ClassInfo& OptionButton::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.OptionButton");
    host::ClassBuilder<OptionButton> b(i);
    host::Element::AddCommonMembers(b, true);
    b.Property("Caption", &OptionButton::Caption, &OptionButton::Caption)
        .Property("Value", &OptionButton::Value, &OptionButton::Value)
        .Property("Alignment", &OptionButton::Alignment, &OptionButton::Alignment)
        .Property("Font", &OptionButton::Font, &OptionButton::Font)
        .Property("BackColor", &OptionButton::BackColor, &OptionButton::BackColor)
        .Property("ForeColor", &OptionButton::ForeColor, &OptionButton::ForeColor)
        .Event("Click")
        .Event("DblClick");
    host::Element::AddInputEvents(b).Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
