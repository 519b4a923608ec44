// The library as an in-process component server: the four entry points, with C linkage.
// Classes are created by their registered full name through the type registry, so a class
// of the table that this build does not contain is refused rather than failing to link.

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "library/library.h"
#include "library/server/class_table.h"
#include "platform/host/components/guid.h"
#include "platform/host/components/registry.h"
#include "platform/host/components/server_abi.h"
#include "platform/host/types/class_info.h"
#include "platform/vb/error.h"

namespace {

namespace hc = host::components;

// What keeps the library in use: live factories, server locks and the instances handed out.
int g_factories = 0;
int g_locks = 0;
std::vector<std::weak_ptr<host::Object>>& Instances() {
  static std::vector<std::weak_ptr<host::Object>> instances;
  return instances;
}

std::optional<quorin::PublicClass> ClassOf(const QGUID& clsid) {
  for (const quorin::PublicClass& c : quorin::PublicClasses()) {
    std::optional<QGUID> id = hc::ParseGuid(c.clsid);
    if (id && hc::SameGuid(*id, clsid)) return c;
  }
  return std::nullopt;
}

// The creatable type information of a class under exactly its full name, or null.
const host::ClassInfo* Creatable(std::string_view progid) {
  quorin::RegisterLibraryClasses();
  const host::ClassInfo* info = host::TypeRegistry::Instance().Find(progid);
  if (!info || info->full_name() != progid || !info->factory) return nullptr;
  return info;
}

struct Factory {
  QClassFactory base;
  std::uint32_t references = 1;
  std::string_view progid;
};

Factory* AsFactory(QClassFactory* self) {
  return reinterpret_cast<Factory*>(self);
}

QHRESULT FactoryQueryInterface(QClassFactory* self, const QGUID* iid, void** object) {
  if (!object) return Q_E_POINTER;
  *object = nullptr;
  if (!iid ||
      !(hc::SameGuid(*iid, hc::kIID_IClassFactory) || hc::SameGuid(*iid, hc::kIID_IUnknown))) {
    return Q_E_NOINTERFACE;
  }
  ++AsFactory(self)->references;
  *object = self;
  return Q_S_OK;
}

std::uint32_t FactoryAddRef(QClassFactory* self) {
  return ++AsFactory(self)->references;
}

std::uint32_t FactoryRelease(QClassFactory* self) {
  Factory* f = AsFactory(self);
  const std::uint32_t left = --f->references;
  if (left == 0) {
    delete f;
    --g_factories;
  }
  return left;
}

QHRESULT FactoryCreateInstance(QClassFactory* self, void* outer, const QGUID* iid, void** object) {
  if (!object) return Q_E_POINTER;
  *object = nullptr;
  if (outer) return Q_CLASS_E_NOAGGREGATION;
  if (!iid || !hc::SameGuid(*iid, hc::kIID_IQuorinObject)) return Q_E_NOINTERFACE;
  const host::ClassInfo* info = Creatable(AsFactory(self)->progid);
  if (!info) return Q_CLASS_E_CLASSNOTAVAILABLE;
  try {
    std::shared_ptr<host::Object> made = info->factory();
    if (!made) return Q_E_FAIL;
    std::erase_if(Instances(), [](const std::weak_ptr<host::Object>& w) { return w.expired(); });
    Instances().push_back(made);
    *object = new std::shared_ptr<host::Object>(std::move(made));
    return Q_S_OK;
  } catch (const vb::Error&) {
    return Q_E_FAIL;
  }
}

QHRESULT FactoryLockServer(QClassFactory*, std::int32_t lock) {
  if (lock) {
    ++g_locks;
  } else if (g_locks > 0) {
    --g_locks;
  }
  return Q_S_OK;
}

constexpr QClassFactoryVtbl kFactoryVtbl = {FactoryQueryInterface, FactoryAddRef, FactoryRelease,
                                            FactoryCreateInstance, FactoryLockServer};

// The path this library was loaded from.
std::string OwnPath() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&FactoryLockServer), &info) || !info.dli_fname) return {};
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : p.string();
}

}  // namespace

extern "C" {

QHRESULT DllRegisterServer() {
  std::optional<QGUID> typelib = hc::ParseGuid(quorin::kTypeLibId);
  const std::string path = OwnPath();
  if (!typelib || path.empty()) return Q_SELFREG_E_CLASS;
  std::vector<hc::Component> entries;
  for (const quorin::PublicClass& c : quorin::PublicClasses()) {
    // Only the classes this build contains are offered.
    if (!Creatable(c.progid)) continue;
    hc::Component e;
    e.progid = std::string(c.progid);
    e.clsid = *hc::ParseGuid(c.clsid);
    e.typelib = *typelib;
    e.version = std::string(quorin::kTypeLibVersion);
    e.library = path;
    entries.push_back(std::move(e));
  }
  try {
    hc::AddComponents(entries);
  } catch (const vb::Error&) {
    return Q_SELFREG_E_CLASS;
  }
  return Q_S_OK;
}

QHRESULT DllUnregisterServer() {
  std::vector<QGUID> ids;
  for (const quorin::PublicClass& c : quorin::PublicClasses())
    ids.push_back(*hc::ParseGuid(c.clsid));
  try {
    hc::RemoveComponents(ids);
  } catch (const vb::Error&) {
    return Q_SELFREG_E_CLASS;
  }
  return Q_S_OK;
}

QHRESULT DllGetClassObject(const QGUID* clsid, const QGUID* iid, void** object) {
  if (!object) return Q_E_POINTER;
  *object = nullptr;
  if (!clsid || !iid) return Q_E_POINTER;
  std::optional<quorin::PublicClass> c = ClassOf(*clsid);
  if (!c || !Creatable(c->progid)) return Q_CLASS_E_CLASSNOTAVAILABLE;
  if (!hc::SameGuid(*iid, hc::kIID_IClassFactory) && !hc::SameGuid(*iid, hc::kIID_IUnknown)) {
    return Q_E_NOINTERFACE;
  }
  auto* factory = new Factory{{&kFactoryVtbl}, 1, c->progid};
  ++g_factories;
  *object = &factory->base;
  return Q_S_OK;
}

QHRESULT DllCanUnloadNow() {
  std::erase_if(Instances(), [](const std::weak_ptr<host::Object>& w) { return w.expired(); });
  return g_factories == 0 && g_locks == 0 && Instances().empty() ? Q_S_OK : Q_S_FALSE;
}

}  // extern "C"
