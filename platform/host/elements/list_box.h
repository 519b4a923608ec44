#pragma once

#include <string>
#include <vector>

#include "platform/host/elements/item_list.h"
#include "platform/host/elements/text_element.h"
#include "platform/vb/std_font.h"

namespace VB {

// The engine's list box: a column of items, one of them selected. A click on an item, the
// arrow keys or a new ListIndex select it and raise Click; the list scrolls to keep the
// selection in view.
class ListBox : public host::TextElement, public host::ItemList {
 public:
  ListBox();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // Adds an item at the end (in order when Sorted) or before `index`; error 5 past the end.
  void AddItem(std::string item, std::optional<std::int16_t> index = {});
  void RemoveItem(std::int16_t index);
  void Clear();
  std::string List(std::int16_t index) const;
  std::int16_t ListCount() const { return static_cast<std::int16_t>(items_.size()); }
  std::int16_t ListIndex() const { return list_index_; }
  // -1 to ListCount - 1; anything else is error 380.
  void ListIndex(std::int16_t value);
  std::string Text() const;
  std::int16_t TopIndex() const { return top_index_; }
  void TopIndex(std::int16_t value);
  std::int32_t ItemData(std::int16_t index) const;
  void ItemData(std::int16_t index, std::int32_t value);
  bool Sorted() const { return sorted_; }
  void Sorted(bool value) { sorted_ = value; }
  bool CanGetFocus() const override { return true; }

  // host::ItemList
  std::vector<std::string> Items() const override { return items_; }
  std::vector<std::int32_t> ItemDataValues() const override { return item_data_; }
  void SetItems(std::vector<std::string> items, std::vector<std::int32_t> data) override;

  void OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
               float y) override;
  void OnKeyDown(std::int16_t& key, std::int16_t& shift) override;
  void OnClick() override {}
  std::shared_ptr<host::Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;
  win32::DWORD ExtendedStyle() const override { return win32::WS_EX_CLIENTEDGE; }

 private:
  int ItemHeight() const;
  int VisibleRows() const;
  void KeepInView();

  std::vector<std::string> items_;
  std::vector<std::int32_t> item_data_;  // one per item
  std::int16_t list_index_ = -1;
  std::int16_t top_index_ = 0;
  bool sorted_ = false;
};

}  // namespace VB
