#include "platform/host/elements/text_box.h"

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/placement.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"

namespace VB {

// ---- TextBox ----

// The window colour behind, the window text colour.
TextBox::TextBox() : TextElement(0x80000005, 0x80000008) {
  SetTwips(0, 0, 1215, 285);
}

void TextBox::Text(std::string value) {
  if (max_length_ > 0 && static_cast<std::int32_t>(value.size()) > max_length_) {
    value.resize(static_cast<std::size_t>(max_length_));
  }
  if (value == text_) return;
  text_ = std::move(value);
  Invalidate();
  auto keep = host::KeepAlive(*this);
  host::Dispatch(Owner(), Name() + "_Change", [this] { Change(); });
}

void TextBox::MaxLength(std::int32_t value) {
  if (value < 0) throw vb::Error(vb::kInvalidPropertyValue);
  max_length_ = value;
}

void TextBox::OnKeyPress(std::int16_t& key_ascii) {
  KeyPress.Raise(key_ascii);
  if (locked_ || !alive() || key_ascii == 0) return;
  if (key_ascii == 8) {
    if (text_.empty()) return;
    // Removes the last character (a whole UTF-8 sequence).
    std::size_t cut = text_.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(text_[cut]) & 0xC0) == 0x80) --cut;
    Text(text_.substr(0, cut));
    return;
  }
  if (key_ascii < 32 || key_ascii > 126) return;
  Text(text_ + static_cast<char>(key_ascii));
}

void TextBox::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  vb::COLORREF color = TextColor();
  host::DrawTextIn(hdc, *font_, color, text_, {r.left + 2, r.top + 1, r.right - 2, r.bottom},
                   win32::DT_SINGLELINE | win32::DT_NOPREFIX);
}

std::shared_ptr<host::Control> TextBox::CloneForArray() const {
  auto copy = std::make_shared<TextBox>();
  CopyStateTo(*copy);
  copy->text_ = text_;
  copy->max_length_ = max_length_;
  copy->locked_ = locked_;
  CopyLookTo(*copy);
  return copy;
}

const host::ClassInfo& TextBox::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.TextBox");
    host::ClassBuilder<TextBox> b(i);
    host::Element::AddCommonMembers(b, true);
    b.Property("Text", &TextBox::Text, &TextBox::Text)
        .Property("MaxLength", &TextBox::MaxLength, &TextBox::MaxLength)
        .Property("Locked", &TextBox::Locked, &TextBox::Locked)
        .Property("Font", &TextBox::Font, &TextBox::Font)
        .Property("BackColor", &TextBox::BackColor, &TextBox::BackColor)
        .Property("ForeColor", &TextBox::ForeColor, &TextBox::ForeColor)
        .Event("Change");
    host::Element::AddKeyFocusEvents(b).Creatable();
    return i;
  }();
  return info;
}

// ---- ComboBox ----

ComboBox::ComboBox() {
  SetTwips(0, 0, 1215, 315);
}

void ComboBox::AddItem(std::string item, std::optional<std::int16_t> index) {
  std::size_t at = items_.size();
  if (index) {
    if (*index < 0 || static_cast<std::size_t>(*index) > items_.size()) {
      throw vb::Error(vb::kInvalidProcedureCall);
    }
    at = static_cast<std::size_t>(*index);
    if (list_index_ >= *index) ++list_index_;
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  item_data_.insert(item_data_.begin() + static_cast<std::ptrdiff_t>(at), 0);
  Invalidate();
}

std::int32_t ComboBox::ItemData(std::int16_t index) const {
  if (index < 0 || index >= ListCount()) throw vb::Error(381, "Invalid property array index");
  return item_data_[static_cast<std::size_t>(index)];
}

void ComboBox::ItemData(std::int16_t index, std::int32_t value) {
  if (index < 0 || index >= ListCount()) throw vb::Error(381, "Invalid property array index");
  item_data_[static_cast<std::size_t>(index)] = value;
}

void ComboBox::SetItems(std::vector<std::string> items, std::vector<std::int32_t> data) {
  items_ = std::move(items);
  data.resize(items_.size(), 0);
  item_data_ = std::move(data);
  list_index_ = -1;
  Invalidate();
}

void ComboBox::RemoveItem(std::int16_t index) {
  if (index < 0 || index >= ListCount()) throw vb::Error(vb::kInvalidProcedureCall);
  items_.erase(items_.begin() + index);
  item_data_.erase(item_data_.begin() + index);
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
  Invalidate();
}

void ComboBox::Clear() {
  items_.clear();
  item_data_.clear();
  list_index_ = -1;
  Invalidate();
}

std::string ComboBox::List(std::int16_t index) const {
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<std::size_t>(index)];
}

void ComboBox::ListIndex(std::int16_t value) {
  if (value < -1 || value >= ListCount()) throw vb::Error(vb::kInvalidPropertyValue);
  if (value == list_index_) return;
  list_index_ = value;
  Invalidate();
  host::RaiseOn(*this, "Click", [this] { Click(); });
}

void ComboBox::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
  Invalidate();
}

void ComboBox::OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                       float y) {
  Element::OnMouse(kind, button, shift, x, y);
  if (kind != host::MouseKind::kDown || button != host::vbLeftButton || !alive()) return;
  DropDown();
  if (!alive() || items_.empty()) return;
  // The list drops down as a pop-up of the window system under the box.
  win32::HMENU list = win32::CreatePopupMenu();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    win32::UINT flags =
        win32::MF_STRING | (static_cast<std::int16_t>(i) == list_index_ ? win32::MF_CHECKED : 0);
    win32::AppendMenuA(list, flags, i + 1, items_[i].c_str());
  }
  win32::RECT r;
  win32::GetWindowRect(window(), &r);
  auto keep = host::KeepAlive(*this);
  win32::ReleaseCapture();
  win32::BOOL chosen = win32::TrackPopupMenu(list, win32::TPM_RETURNCMD | win32::TPM_NONOTIFY,
                                             r.left, r.bottom, 0, window(), nullptr);
  win32::DestroyMenu(list);
  if (chosen > 0 && alive()) ListIndex(static_cast<std::int16_t>(chosen - 1));
}

void ComboBox::OnKeyDown(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyDown(key, shift);
  if (alive()) host::StepListIndex(*this, key);
}

void ComboBox::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::GetSysColor(Enabled() ? vb::COLOR_WINDOW : vb::COLOR_BTNFACE));
  int button = r.bottom - r.top;
  win32::RECT arrow{r.right - button, r.top, r.right, r.bottom};
  host::FillSolid(hdc, arrow, vb::GetSysColor(vb::COLOR_BTNFACE));
  win32::DrawEdge(hdc, &arrow, win32::EDGE_RAISED, win32::BF_RECT);
  int cx = (arrow.left + arrow.right) / 2;
  int cy = (arrow.top + arrow.bottom) / 2;
  host::FillSolid(hdc, {cx - 3, cy - 1, cx + 4, cy}, 0);
  host::FillSolid(hdc, {cx - 2, cy, cx + 3, cy + 1}, 0);
  host::FillSolid(hdc, {cx - 1, cy + 1, cx + 2, cy + 2}, 0);
  host::FillSolid(hdc, {cx, cy + 2, cx + 1, cy + 3}, 0);
  vb::COLORREF color = vb::GetSysColor(Enabled() ? vb::COLOR_WINDOWTEXT : vb::COLOR_GRAYTEXT);
  host::DrawTextIn(hdc, *font_, color, Text(), {r.left + 2, r.top, arrow.left, r.bottom},
                   win32::DT_SINGLELINE | win32::DT_VCENTER | win32::DT_NOPREFIX);
}

std::shared_ptr<host::Control> ComboBox::CloneForArray() const {
  auto copy = std::make_shared<ComboBox>();
  CopyStateTo(*copy);
  copy->items_ = items_;
  copy->item_data_ = item_data_;
  copy->list_index_ = list_index_;
  copy->font_ = font_;
  return copy;
}

const host::ClassInfo& ComboBox::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.ComboBox");
    host::ClassBuilder<ComboBox> b(i);
    host::Element::AddCommonMembers(b, true);
    host::AddListMembers(b)
        .Property("Text", &ComboBox::Text)
        .Property("Style", &ComboBox::Style)
        .Property("Font", &ComboBox::Font, &ComboBox::Font)
        .Event("Click")
        .Event("DropDown")
        .Event("GotFocus")
        .Event("LostFocus")
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
