#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/host/event.h"
#include "platform/host/object.h"

namespace VB {

class Form;

// A menu of a form: a title of the menu bar (top level) or an item under another menu.
// Its Caption marks the access letter with "&"; "-" makes a separator.
class Menu : public host::Object {
 public:
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  const std::string& Tag() const { return tag_; }
  void Tag(std::string value) { tag_ = std::move(value); }
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  bool Visible() const { return visible_; }
  void Visible(bool value);
  bool Checked() const { return checked_; }
  void Checked(bool value) { checked_ = value; }
  // The form the menu belongs to, or null once it is gone.
  Form* form() const { return form_; }
  Menu* parent_menu() const { return parent_; }
  const std::vector<std::shared_ptr<Menu>>& items() const { return items_; }
  bool top_level() const { return parent_ == nullptr; }
  bool separator() const { return caption_ == "-"; }

  host::Event<> Click{"Click", this};

  // Engine side.
  void Attach(Form* form, Menu* parent) {
    form_ = form;
    parent_ = parent;
  }
  void AddItem(std::shared_ptr<Menu> item) { items_.push_back(std::move(item)); }
  void RemoveItem(const Menu* item);
  void Destroy();
  // Runs Click through the error dispatch of the form's code.
  void RaiseClick();

 private:
  std::string caption_;
  std::string tag_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  Form* form_ = nullptr;
  Menu* parent_ = nullptr;
  std::vector<std::shared_ptr<Menu>> items_;
};

}  // namespace VB
