#include "platform/host/control/stored.h"

#include <algorithm>
#include <vector>

#include "platform/host/control/steps.h"

namespace host {

namespace {

// The stored values of a class and its bases that hold a position in one order, sorted by it.
std::vector<const StoredInfo*> InOrder(const ClassInfo& info, int StoredInfo::*position) {
  std::vector<const StoredInfo*> list;
  for (const ClassInfo* c = &info; c; c = c->base()) {
    for (const auto& s : c->stored) {
      if (s.*position > 0) list.push_back(&s);
    }
  }
  std::stable_sort(list.begin(), list.end(), [position](const StoredInfo* a, const StoredInfo* b) {
    return a->*position < b->*position;
  });
  return list;
}

}  // namespace

void ReadStored(Object& self, const PropertyBag& bag) {
  FirstFailure failure;
  for (const StoredInfo* s : InOrder(self.Class(), &StoredInfo::read)) {
    failure.Run([&] { s->load(self, bag.ReadProperty(s->key, s->read_default(self))); });
  }
  failure.Report();
}

void WriteStored(Object& self, PropertyBag& bag) {
  for (const StoredInfo* s : InOrder(self.Class(), &StoredInfo::write)) {
    bag.WriteProperty(s->key, s->get(self), s->write_default(self));
  }
}

void InitStored(Object& self) {
  for (const ClassInfo* c = &self.Class(); c; c = c->base()) {
    for (const auto& s : c->stored) {
      if (s.initial) s.load(self, s.initial(self));
    }
  }
}

}  // namespace host
