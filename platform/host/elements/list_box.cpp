#include "platform/host/elements/list_box.h"

#include <algorithm>

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"

namespace VB {

namespace {

[[noreturn]] void BadIndex() {
  throw vb::Error(381, "Invalid property array index");
}

}  // namespace

// The window colour behind, the window text colour.
ListBox::ListBox() : TextElement(0x80000005, 0x80000008) {
  SetTwips(0, 0, 1215, 1035);
}

void ListBox::AddItem(std::string item, std::optional<std::int16_t> index) {
  if (items_.size() >= 32767) throw vb::Error(vb::kInvalidProcedureCall);
  std::size_t at = items_.size();
  if (index) {
    if (*index < 0 || static_cast<std::size_t>(*index) > items_.size()) {
      throw vb::Error(vb::kInvalidProcedureCall);
    }
    at = static_cast<std::size_t>(*index);
  } else if (sorted_) {
    at = static_cast<std::size_t>(std::upper_bound(items_.begin(), items_.end(), item) -
                                  items_.begin());
  }
  if (list_index_ >= 0 && static_cast<std::size_t>(list_index_) >= at) ++list_index_;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  item_data_.insert(item_data_.begin() + static_cast<std::ptrdiff_t>(at), 0);
  Invalidate();
}

void ListBox::RemoveItem(std::int16_t index) {
  if (index < 0 || index >= ListCount()) throw vb::Error(vb::kInvalidProcedureCall);
  items_.erase(items_.begin() + index);
  item_data_.erase(item_data_.begin() + index);
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
  top_index_ = static_cast<std::int16_t>(
      std::clamp<int>(top_index_, 0, std::max(0, ListCount() - VisibleRows())));
  Invalidate();
}

void ListBox::Clear() {
  items_.clear();
  item_data_.clear();
  list_index_ = -1;
  top_index_ = 0;
  Invalidate();
}

std::string ListBox::List(std::int16_t index) const {
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<std::size_t>(index)];
}

std::string ListBox::Text() const {
  return List(list_index_);
}

void ListBox::ListIndex(std::int16_t value) {
  if (value < -1 || value >= ListCount()) throw vb::Error(vb::kInvalidPropertyValue);
  if (value == list_index_) return;
  list_index_ = value;
  KeepInView();
  Invalidate();
  if (RaisesChangeEvents()) host::RaiseOn(*this, "Click", [this] { Click(); });
}

void ListBox::TopIndex(std::int16_t value) {
  if (value < 0 || (value >= ListCount() && value != 0)) throw vb::Error(vb::kInvalidPropertyValue);
  top_index_ = value;
  Invalidate();
}

std::int32_t ListBox::ItemData(std::int16_t index) const {
  if (index < 0 || index >= ListCount()) BadIndex();
  return item_data_[static_cast<std::size_t>(index)];
}

void ListBox::ItemData(std::int16_t index, std::int32_t value) {
  if (index < 0 || index >= ListCount()) BadIndex();
  item_data_[static_cast<std::size_t>(index)] = value;
}

void ListBox::SetItems(std::vector<std::string> items, std::vector<std::int32_t> data) {
  items_ = std::move(items);
  data.resize(items_.size(), 0);
  item_data_ = std::move(data);
  list_index_ = -1;
  top_index_ = 0;
  Invalidate();
}

int ListBox::ItemHeight() const {
  return std::max(1, host::LineHeight(*font_));
}

int ListBox::VisibleRows() const {
  win32::RECT r{};
  if (window()) win32::GetClientRect(window(), &r);
  return std::max(1, (r.bottom - r.top) / ItemHeight());
}

void ListBox::KeepInView() {
  if (list_index_ < 0) return;
  if (list_index_ < top_index_) top_index_ = list_index_;
  const int rows = VisibleRows();
  if (list_index_ >= top_index_ + rows)
    top_index_ = static_cast<std::int16_t>(list_index_ - rows + 1);
}

void ListBox::OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                      float y) {
  if (kind == host::MouseKind::kDown && button == host::vbLeftButton) {
    // The mouse position is in the container's scale; the row comes from the window's pixels.
    win32::POINT p{};
    win32::GetCursorPos(&p);
    win32::ScreenToClient(window(), &p);
    const int row = top_index_ + p.y / ItemHeight();
    if (row >= 0 && row < ListCount()) ListIndex(static_cast<std::int16_t>(row));
    if (!alive()) return;
  }
  Element::OnMouse(kind, button, shift, x, y);
}

void ListBox::OnKeyDown(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyDown(key, shift);
  if (alive()) host::StepListIndex(*this, key);
}

void ListBox::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  const int height = ItemHeight();
  for (int i = top_index_, y = 0; i < ListCount() && y < r.bottom; ++i, y += height) {
    const win32::RECT row{r.left, y, r.right, y + height};
    vb::COLORREF color = TextColor();
    if (i == list_index_) {
      host::FillSolid(hdc, row, vb::GetSysColor(vb::COLOR_HIGHLIGHT));
      color = vb::GetSysColor(vb::COLOR_HIGHLIGHTTEXT);
    }
    host::DrawTextIn(hdc, *font_, color, items_[static_cast<std::size_t>(i)],
                     {row.left + 2, row.top, row.right, row.bottom},
                     win32::DT_SINGLELINE | win32::DT_VCENTER | win32::DT_NOPREFIX);
  }
}

std::shared_ptr<host::Control> ListBox::CloneForArray() const {
  auto copy = std::make_shared<ListBox>();
  CopyStateTo(*copy);
  copy->items_ = items_;
  copy->item_data_ = item_data_;
  copy->sorted_ = sorted_;
  CopyLookTo(*copy);
  return copy;
}

const host::ClassInfo& ListBox::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.ListBox");
    host::ClassBuilder<ListBox> b(i);
    host::Element::AddCommonMembers(b, true);
    host::AddListMembers(b)
        .Property("TopIndex", &ListBox::TopIndex, &ListBox::TopIndex)
        .Property("Text", &ListBox::Text)
        .Property("Sorted", &ListBox::Sorted, &ListBox::Sorted)
        .Property("Font", &ListBox::Font, &ListBox::Font)
        .Property("BackColor", &ListBox::BackColor, &ListBox::BackColor)
        .Property("ForeColor", &ListBox::ForeColor, &ListBox::ForeColor)
        .Event("Click")
        .Event("DblClick");
    host::Element::AddInputEvents(b).Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
