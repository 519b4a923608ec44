#pragma once

// Reading, writing and initialising the values a control declared as stored (see
// ClassBuilder::Persist): each in the order its declaration gives.

#include "platform/host/control/property_bag.h"
#include "platform/host/object.h"

namespace host {

// Reads every stored value of the object's class in read order and applies each through its
// declared load. A value that cannot be used is reported (its vb::Error rethrown) only after
// every other value was read.
void ReadStored(Object& self, const PropertyBag& bag);
// Writes every stored value in write order; a value equal to its write default is not kept.
void WriteStored(Object& self, PropertyBag& bag);
// Gives a newly placed control the initial values its declarations name, in declaration
// order.
void InitStored(Object& self);

}  // namespace host
