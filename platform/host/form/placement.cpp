#include "platform/host/control/placement.h"

#include "platform/host/control/user_control.h"
#include "platform/host/form/form.h"
#include "platform/vb/error.h"

namespace host {

std::shared_ptr<Object> KeepAlive(Object& object) {
  std::shared_ptr<vb::Object> shared = object.weak_from_this().lock();
  return std::static_pointer_cast<Object>(shared);
}

void Place(Container& container, Object& owner, const ControlPtr& control,
           const PropertyBag* stored, const Placement& placement) {
  // An unloaded container or owner would leave the control pointing at freed memory later.
  if (!container.ContainerObject().alive() || !owner.alive()) {
    throw vb::Error(vb::kObjectNotSet, control->Name() + ": its container was unloaded");
  }
  // A control inside a frame or picture box belongs to the same owner as that container, so
  // unloading the owner ends it too.
  if (auto* inner = dynamic_cast<Control*>(&container.ContainerObject());
      inner && inner != &owner && inner->Owner() != &owner) {
    throw vb::Error(vb::kInvalidProcedureCall, control->Name() + ": container of another form");
  }
  // Only a user control that declares itself a container holds controls of the form.
  if (auto* holder = dynamic_cast<UserControl*>(&container.ContainerObject());
      holder && &owner != holder && !holder->ControlContainer()) {
    throw vb::Error(vb::kInvalidProcedureCall, holder->Name() + " holds no controls");
  }
  control->AttachTo(&container, &owner);
  float l = placement.left.value_or(control->Left());
  control->Move(l, placement.top.value_or(control->Top()),
                placement.width.value_or(control->Width()),
                placement.height.value_or(control->Height()));
  container.AddChild(control);
  auto* form = dynamic_cast<Form*>(&owner);
  if (form) form->RegisterControl(control);
  control->Realize();
  auto uc = std::dynamic_pointer_cast<UserControl>(control);
  if (!uc) return;
  uc->RunInitialize();
  if (!uc->alive()) return;
  uc->Site();
  if (stored) {
    PropertyBag bag = *stored;
    uc->RunReadProperties(bag);
  } else {
    uc->RunInitProperties();
  }
  if (!uc->alive()) return;
  uc->ClearDirty();
  uc->RunResize();
  Form* on = uc->form();
  if (on && on->Visible()) uc->RunShow();
}

ControlPtr CreateControl(Container& container, Object& owner, std::string_view class_name,
                         std::string name, std::int16_t index, const PropertyBag* stored,
                         const Placement& placement) {
  const ClassInfo* info = TypeRegistry::Instance().Find(class_name);
  if (!info || !info->factory) throw vb::Error(vb::kNotSupported, std::string(class_name));
  auto control = std::dynamic_pointer_cast<Control>(info->factory());
  if (!control) throw vb::Error(vb::kNotSupported, std::string(class_name));
  control->SetName(std::move(name));
  control->SetIndex(index);
  Place(container, owner, control, stored, placement);
  return control;
}

}  // namespace host
