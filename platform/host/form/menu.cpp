#include "platform/host/form/menu.h"

#include <algorithm>

#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/class_builder.h"

namespace VB {

void Menu::Caption(std::string value) {
  caption_ = std::move(value);
  if (form_ && top_level()) form_->InvalidateWindowless();
}

void Menu::Enabled(bool value) {
  enabled_ = value;
  if (form_ && top_level()) form_->InvalidateWindowless();
}

void Menu::Visible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  // The menu bar may appear or go away: the client area below it changes.
  if (form_ && top_level()) form_->MenusChanged();
}

void Menu::RemoveItem(const Menu* item) {
  std::erase_if(items_, [item](const auto& m) { return m.get() == item; });
}

void Menu::Destroy() {
  for (const auto& item : items_) item->Destroy();
  items_.clear();
  form_ = nullptr;
  MarkDead();
}

void Menu::RaiseClick() {
  if (!alive()) return;
  auto keep = SharedAs<Menu>();
  host::Dispatch(Owner(), Name() + "_Click", [this] { Click(); });
}

const host::ClassInfo& Menu::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Menu");
    host::ClassBuilder<Menu>(i)
        .Property("Caption", &Menu::Caption, &Menu::Caption)
        .Property("Tag", &Menu::Tag, &Menu::Tag)
        .Property("Enabled", &Menu::Enabled, &Menu::Enabled)
        .Property("Visible", &Menu::Visible, &Menu::Visible)
        .Property("Checked", &Menu::Checked, &Menu::Checked)
        .Property("Name", &Menu::Name)
        .Property("Index", &Menu::Index)
        .Event("Click");
    return i;
  }();
  return info;
}

}  // namespace VB
