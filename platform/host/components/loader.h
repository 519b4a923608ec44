#pragma once

// Control libraries loaded at run time through their entry points: found by their type
// library in the component registry (a form file's `Object = ` line), registered and
// unregistered, asked for class factories and for whether they may be unloaded.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/components/server_abi.h"
#include "platform/host/object.h"

namespace host::components {

// One loaded server library. The mapping stays for the life of the process (type
// information registered by the library points into it); Unload only forgets it.
class ServerLibrary {
 public:
  const std::string& path() const { return path_; }
  QHRESULT Register() const { return register_(); }
  QHRESULT Unregister() const { return unregister_(); }
  QHRESULT CanUnloadNow() const { return can_unload_(); }
  QHRESULT GetClassObject(const QGUID& clsid, const QGUID& iid, void** object) const {
    return get_class_object_(&clsid, &iid, object);
  }
  // A new instance through the class's factory; error 429 when the library refuses.
  std::shared_ptr<Object> CreateInstance(const QGUID& clsid) const;

 private:
  friend ServerLibrary& LoadServer(const std::string& path);
  friend bool UnloadServer(const std::string& path);
  std::string path_;
  void* handle_ = nullptr;
  DllRegisterServerFn register_ = nullptr;
  DllUnregisterServerFn unregister_ = nullptr;
  DllGetClassObjectFn get_class_object_ = nullptr;
  DllCanUnloadNowFn can_unload_ = nullptr;
};

// Loads a server library once per path (later calls return the same one). A file that does
// not load or lacks one of the four entry points is error 48 with the reason.
ServerLibrary& LoadServer(const std::string& path);
// Forgets the library when it says it can be unloaded (no instance, no lock); true if so.
bool UnloadServer(const std::string& path);
// The libraries loaded now.
std::vector<std::string> LoadedServers();

// `Object = "{TYPELIB}#1.0#0"; "file"`: loads the library the registry names for that type
// library and asks it for each of its registered classes, which makes them known to the
// type registry. nullopt when done (or the type library is not registered: its classes stay
// unknown); a reason for a line that is malformed or a library that fails to load.
std::optional<std::string> ResolveObjectLine(std::string_view line);
// The `Object = ` lines for the registered libraries serving these classes, one per type
// library, in the order the classes first name them.
std::vector<std::string> ObjectLinesFor(const std::vector<std::string>& class_names);
// The type library id of an Object line ("{…}"), or "" when the line is not one.
std::string ObjectLineTypeLib(std::string_view line);

}  // namespace host::components
