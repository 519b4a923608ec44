#pragma once

#include <optional>

#include "platform/host/control/control.h"
#include "platform/host/control/property_bag.h"

namespace host {

// Where a control goes in its container, in the container's scale; missing values keep the
// control's own defaults.
struct Placement {
  std::optional<float> left = {};
  std::optional<float> top = {};
  std::optional<float> width = {};
  std::optional<float> height = {};
};

// Places a control in a container. `owner` is the object whose code handles its events (the
// form, or the user control it is an element of); a control owned by a form joins the form's
// Controls collection. For a user control the lifecycle runs: Initialize, then
// InitProperties (no stored properties) or ReadProperties(stored), then Resize, then Show
// when the form is visible. Failures of those procedures go to the error sink.
void Place(Container& container, Object& owner, const ControlPtr& control,
           const PropertyBag* stored = nullptr, const Placement& placement = {});

// Makes and places a control by class name (form files, the driver); error 438 for a class
// that is unknown or cannot be created.
ControlPtr CreateControl(Container& container, Object& owner, std::string_view class_name,
                         std::string name, std::int16_t index = -1,
                         const PropertyBag* stored = nullptr, const Placement& placement = {});

// Keeps an engine object alive while the engine works with it (null when it is not owned by
// a shared pointer yet).
std::shared_ptr<Object> KeepAlive(Object& object);

}  // namespace host
