#pragma once

#include <string>
#include <vector>

#include "platform/host/elements/item_list.h"
#include "platform/host/elements/text_element.h"
#include "platform/vb/std_font.h"

namespace VB {

// A single-line text box: typed characters go to the end of Text, Backspace removes the
// last one; every change raises Change.
class TextBox : public host::TextElement {
 public:
  TextBox();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Text() const { return text_; }
  void Text(std::string value);
  std::int32_t MaxLength() const { return max_length_; }
  void MaxLength(std::int32_t value);
  bool Locked() const { return locked_; }
  void Locked(bool value) { locked_ = value; }
  bool CanGetFocus() const override { return true; }

  host::Event<> Change{"Change", this};

  void OnKeyPress(std::int16_t& key_ascii) override;
  std::shared_ptr<host::Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;
  win32::DWORD ExtendedStyle() const override { return win32::WS_EX_CLIENTEDGE; }

 private:
  std::string text_;
  std::int32_t max_length_ = 0;
  bool locked_ = false;
};

// A drop-down list (the combo box's style 2): a list of items, one of them selected;
// a change of ListIndex raises Click.
class ComboBox : public host::WindowedElement, public host::ItemList {
 public:
  ComboBox();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // Adds an item at the end or before `index`; error 5 for an index past the end.
  void AddItem(std::string item, std::optional<std::int16_t> index = {});
  void RemoveItem(std::int16_t index);
  void Clear();
  std::string List(std::int16_t index) const;
  std::int16_t ListCount() const { return static_cast<std::int16_t>(items_.size()); }
  std::int16_t ListIndex() const { return list_index_; }
  // -1 to ListCount - 1; anything else is error 380.
  void ListIndex(std::int16_t value);
  std::string Text() const {
    return list_index_ < 0 ? std::string() : items_[static_cast<std::size_t>(list_index_)];
  }
  std::int16_t Style() const { return 2; }
  // ItemData of an item; error 381 for an index outside the list.
  std::int32_t ItemData(std::int16_t index) const;
  void ItemData(std::int16_t index, std::int32_t value);

  // host::ItemList
  std::vector<std::string> Items() const override { return items_; }
  std::vector<std::int32_t> ItemDataValues() const override { return item_data_; }
  void SetItems(std::vector<std::string> items, std::vector<std::int32_t> data) override;
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  bool CanGetFocus() const override { return true; }

  host::Event<> DropDown{"DropDown", this};

  void OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
               float y) override;
  void OnKeyDown(std::int16_t& key, std::int16_t& shift) override;
  void OnClick() override {}
  std::shared_ptr<host::Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;
  win32::DWORD ExtendedStyle() const override { return win32::WS_EX_CLIENTEDGE; }

 private:
  std::vector<std::string> items_;
  std::vector<std::int32_t> item_data_;  // one per item
  std::int16_t list_index_ = -1;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
};

}  // namespace VB
