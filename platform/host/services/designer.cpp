#include "platform/host/services/designer.h"

#include "platform/host/control/user_control.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"

namespace host {

namespace {

// Properties that the position, the name or the window carry, or that only reflect state.
bool Skipped(std::string_view name) {
  for (const char* skip : {"Name", "Index", "Left", "Top", "Width", "Height", "hWnd", "hDC",
                           "Controls", "WindowState", "Visible", "ListIndex", "Value"}) {
    if (SameName(name, skip)) return true;
  }
  return false;
}

// The properties of an object that differ from those of a fresh one of its class.
void SaveByTypeInfo(Object& object, Object* fresh, PropertyBag& bag) {
  for (const ClassInfo* info = &object.Class(); info; info = info->base()) {
    for (const PropertyInfo& p : info->properties) {
      if (!p.get || (!p.let && !p.set) || Skipped(p.name) || bag.Find(p.name)) continue;
      try {
        vb::Variant value = p.get(object);
        vb::Variant default_value = fresh ? p.get(*fresh) : vb::Variant();
        bag.WriteProperty(p.name, value, default_value);
      } catch (const vb::Error&) {
        // A property that cannot be read now is not saved.
      }
    }
  }
}

void ApplyByTypeInfo(Object& object, const PropertyBag& bag) {
  for (const PropertyBag::Entry& e : bag.entries()) {
    Dispatch(&object, "Load " + e.key, [&] {
      if (e.value.IsObject()) {
        SetProperty(object, e.key, e.value.ToObject());
      } else {
        LetProperty(object, e.key, e.value);
      }
    });
  }
}

Object* FindByDisplayName(VB::Form& form, const std::string& name) {
  for (const auto& o : form.Controls()) {
    if (SameName(o->DisplayName(), name)) return o.get();
  }
  return nullptr;
}

// A saved placement is in twips; a container with another scale (a user control drawing in
// pixels) takes its children's positions in its own units.
Placement InContainerUnits(const Placement& twips, const Container& container) {
  const std::int16_t mode = container.ChildScaleMode();
  if (mode == vbTwips || mode == vbUser) return twips;
  auto convert = [mode](std::optional<float> v, bool x) -> std::optional<float> {
    if (!v) return v;
    return ConvertScale(*v, vbTwips, mode, x);
  };
  return {convert(twips.left, true), convert(twips.top, false), convert(twips.width, true),
          convert(twips.height, false)};
}

std::shared_ptr<VB::Form> Build(const SavedForm& saved, bool design_mode) {
  auto form = NewForm(saved.name);
  form->SetDesignMode(design_mode);
  form->SetBuiltFromFile();
  ApplyByTypeInfo(*form, saved.properties);
  for (const SavedControl& c : saved.controls) {
    Dispatch(form.get(), "Load " + c.name, [&] {
      if (SameName(c.class_name, "VB.Menu")) {
        auto* parent = dynamic_cast<VB::Menu*>(FindByDisplayName(*form, c.container));
        auto menu = form->AddMenu(c.name, "", parent, c.index);
        ApplyByTypeInfo(*menu, c.properties);
        return;
      }
      Container* container = form.get();
      if (!c.container.empty()) {
        container = dynamic_cast<Container*>(FindByDisplayName(*form, c.container));
        if (!container) throw vb::Error(vb::kObjectNotSet, "container " + c.container);
      }
      const ClassInfo* info = TypeRegistry::Instance().Find(c.class_name);
      if (!info || !info->factory) throw vb::Error(vb::kNotSupported, c.class_name);
      auto control = std::dynamic_pointer_cast<Control>(info->factory());
      if (!control) throw vb::Error(vb::kNotSupported, c.class_name);
      control->SetName(c.name);
      control->SetIndex(c.index);
      bool user_control = dynamic_cast<UserControl*>(control.get()) != nullptr;
      Place(*container, *form, control, user_control ? &c.properties : nullptr,
            InContainerUnits(c.placement, *container));
      if (!user_control) ApplyByTypeInfo(*control, c.properties);
    });
  }
  return form;
}

}  // namespace

Designer::Designer(std::string form_name) {
  form_ = NewForm(std::move(form_name));
  form_->SetDesignMode(true);
  form_->Show();
}

Designer::Designer(const SavedForm& saved) : form_(Build(saved, true)) {
  form_->Show();
}

Designer::~Designer() {
  if (form_ && form_->alive()) Unload(*form_);
}

ControlPtr Designer::Place(std::string_view class_name, std::string name,
                           const Placement& placement, Container* container, std::int16_t index) {
  return CreateControl(container ? *container : *form_, *form_, class_name, std::move(name), index,
                       nullptr, placement);
}

SavedForm Designer::Save() {
  return SaveForm(*form_);
}

SavedForm SaveForm(VB::Form& form) {
  SavedForm saved;
  saved.name = form.Name();
  auto fresh_form = std::make_shared<VB::Form>();
  SaveByTypeInfo(form, fresh_form.get(), saved.properties);
  for (const auto& object : form.Controls()) {
    SavedControl c;
    c.class_name = object->Class().full_name();
    c.name = object->Name();
    c.index = object->Index();
    if (auto* menu = dynamic_cast<VB::Menu*>(object.get())) {
      if (menu->parent_menu()) c.container = menu->parent_menu()->DisplayName();
      SaveByTypeInfo(*menu, nullptr, c.properties);
      saved.controls.push_back(std::move(c));
      continue;
    }
    auto* control = dynamic_cast<Control*>(object.get());
    if (!control) continue;
    if (Container* holder = control->container(); holder && &holder->ContainerObject() != &form) {
      c.container = holder->ContainerObject().DisplayName();
    }
    c.placement = {control->left_twips(), control->top_twips(), control->width_twips(),
                   control->height_twips()};
    if (auto* uc = dynamic_cast<UserControl*>(control)) {
      uc->RunWriteProperties(c.properties);
    } else {
      std::shared_ptr<Object> fresh = object->Class().factory ? object->Class().factory() : nullptr;
      SaveByTypeInfo(*control, fresh.get(), c.properties);
    }
    saved.controls.push_back(std::move(c));
  }
  if (fresh_form->alive()) fresh_form->RunUnload(VB::vbFormCode);
  return saved;
}

bool Designer::dirty() const {
  for (const auto& object : form_->Controls()) {
    if (auto* uc = dynamic_cast<UserControl*>(object.get()); uc && uc->dirty()) return true;
  }
  return false;
}

std::shared_ptr<VB::Form> LoadSavedForm(const SavedForm& saved, bool design_mode) {
  return Build(saved, design_mode);
}

}  // namespace host
