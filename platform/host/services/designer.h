#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/control/placement.h"
#include "platform/host/control/property_bag.h"
#include "platform/host/form/form.h"

namespace host {

// One control (or menu) of a saved form: its class, name, index, the container it sits in
// (by display name; empty for the form itself; for a menu, its parent menu), its position
// and its properties.
struct SavedControl {
  std::string class_name;
  std::string name;
  std::int16_t index = -1;
  std::string container;
  Placement placement;  // in twips, whatever the container's scale
  PropertyBag properties;
};

// A saved form: its own properties and its controls and menus in collection order.
struct SavedForm {
  std::string name;
  PropertyBag properties;
  std::vector<SavedControl> controls;
};

// The form designer: a form in design mode (Ambient.UserMode False). Placing a control runs
// Initialize and InitProperties; saving runs WriteProperties; reopening a saved form runs
// ReadProperties. Intrinsic controls and the form save their properties through their type
// information, only those that differ from a new instance's.
class Designer {
 public:
  explicit Designer(std::string form_name);
  explicit Designer(const SavedForm& saved);
  ~Designer();
  Designer(const Designer&) = delete;
  Designer& operator=(const Designer&) = delete;

  VB::Form& form() { return *form_; }
  const std::shared_ptr<VB::Form>& form_ref() const { return form_; }
  // Places a new control by class name, in the form or in a container of it.
  ControlPtr Place(std::string_view class_name, std::string name, const Placement& placement = {},
                   Container* container = nullptr, std::int16_t index = -1);
  SavedForm Save();
  // Whether a user control reported a change (PropertyChanged) since the last save.
  bool dirty() const;

 private:
  std::shared_ptr<VB::Form> form_;
};

// What the designer saves of any form, loaded or designed: its properties and every
// control's (WriteProperties of each user control).
SavedForm SaveForm(VB::Form& form);

// Loads a saved form for running (Ambient.UserMode True): each user control reads its
// stored properties. A property that cannot be applied is reported to the error sink and
// skipped; the rest of the form still loads.
std::shared_ptr<VB::Form> LoadSavedForm(const SavedForm& saved, bool design_mode = false);

}  // namespace host
