#include "platform/host/components/loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/host/components/guid.h"
#include "platform/host/components/registry.h"
#include "platform/vb/error.h"

namespace host::components {

namespace {

std::map<std::string, std::unique_ptr<ServerLibrary>>& Loaded() {
  static std::map<std::string, std::unique_ptr<ServerLibrary>> loaded;
  return loaded;
}

std::string Canonical(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : p.string();
}

// Releases a factory on every path out of CreateInstance.
struct FactoryRef {
  QClassFactory* factory = nullptr;
  ~FactoryRef() {
    if (factory) factory->lpVtbl->Release(factory);
  }
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

void SkipSpace(std::string_view& s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
}

// A "…" token (no doubled quotes in these lines).
std::optional<std::string_view> QuotedToken(std::string_view& s) {
  SkipSpace(s);
  if (s.empty() || s.front() != '"') return std::nullopt;
  const std::size_t end = s.find('"', 1);
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view token = s.substr(1, end - 1);
  s.remove_prefix(end + 1);
  return token;
}

struct ObjectLine {
  QGUID typelib{};
  std::string version;
  std::string file;
};

std::optional<ObjectLine> ParseObjectLine(std::string_view s) {
  SkipSpace(s);
  if (s.size() < 6 || !std::equal(s.begin(), s.begin() + 6, "Object", [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
      })) {
    return std::nullopt;
  }
  s.remove_prefix(6);
  SkipSpace(s);
  if (s.empty() || s.front() != '=') return std::nullopt;
  s.remove_prefix(1);
  std::optional<std::string_view> reference = QuotedToken(s);
  if (!reference) return std::nullopt;
  SkipSpace(s);
  if (s.empty() || s.front() != ';') return std::nullopt;
  s.remove_prefix(1);
  std::optional<std::string_view> file = QuotedToken(s);
  SkipSpace(s);
  if (!file || !s.empty()) return std::nullopt;
  // {GUID}#MAJOR.MINOR#LOCALE
  const std::size_t first = reference->find('#');
  const std::size_t second =
      first == std::string_view::npos ? first : reference->find('#', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  std::optional<QGUID> typelib = ParseGuid(reference->substr(0, first));
  if (!typelib) return std::nullopt;
  return ObjectLine{*typelib, std::string(reference->substr(first + 1, second - first - 1)),
                    std::string(*file)};
}

}  // namespace

std::shared_ptr<Object> ServerLibrary::CreateInstance(const QGUID& clsid) const {
  FactoryRef ref;
  void* factory = nullptr;
  QHRESULT hr = get_class_object_(&clsid, &kIID_IClassFactory, &factory);
  if (hr != Q_S_OK || !factory) {
    throw vb::Error(vb::kCannotCreateObject, FormatGuid(clsid) + " in " + path_);
  }
  ref.factory = static_cast<QClassFactory*>(factory);
  void* made = nullptr;
  hr = ref.factory->lpVtbl->CreateInstance(ref.factory, nullptr, &kIID_IQuorinObject, &made);
  if (hr != Q_S_OK || !made) {
    throw vb::Error(vb::kCannotCreateObject, FormatGuid(clsid) + " in " + path_);
  }
  std::unique_ptr<std::shared_ptr<Object>> handed(static_cast<std::shared_ptr<Object>*>(made));
  return *handed;
}

ServerLibrary& LoadServer(const std::string& path) {
  const std::string key = Canonical(path);
  auto& loaded = Loaded();
  if (auto it = loaded.find(key); it != loaded.end()) return *it->second;
  // The mapping is never undone: classes the library registered keep code in it.
  void* handle = dlopen(key.c_str(), RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
  if (!handle) {
    const char* why = dlerror();
    throw vb::Error(vb::kErrorLoadingDll, why ? std::string(why) : path + ": cannot load");
  }
  auto library = std::make_unique<ServerLibrary>();
  library->path_ = key;
  library->handle_ = handle;
  library->register_ = reinterpret_cast<DllRegisterServerFn>(dlsym(handle, "DllRegisterServer"));
  library->unregister_ =
      reinterpret_cast<DllUnregisterServerFn>(dlsym(handle, "DllUnregisterServer"));
  library->get_class_object_ =
      reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
  library->can_unload_ = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
  if (!library->register_ || !library->unregister_ || !library->get_class_object_ ||
      !library->can_unload_) {
    dlclose(handle);
    throw vb::Error(vb::kErrorLoadingDll,
                    path + ": not a component server (an entry point is missing)");
  }
  return *(loaded[key] = std::move(library));
}

bool UnloadServer(const std::string& path) {
  auto& loaded = Loaded();
  auto it = loaded.find(Canonical(path));
  if (it == loaded.end()) return true;
  if (it->second->CanUnloadNow() != Q_S_OK) return false;
  dlclose(it->second->handle_);
  loaded.erase(it);
  return true;
}

std::vector<std::string> LoadedServers() {
  std::vector<std::string> paths;
  for (const auto& [path, library] : Loaded()) paths.push_back(path);
  return paths;
}

std::string ObjectLineTypeLib(std::string_view line) {
  std::optional<ObjectLine> parsed = ParseObjectLine(line);
  return parsed ? FormatGuid(parsed->typelib) : std::string();
}

std::optional<std::string> ResolveObjectLine(std::string_view line) {
  std::optional<ObjectLine> parsed = ParseObjectLine(line);
  if (!parsed) return "bad Object line: expected Object = \"{type library}#version#0\"; \"file\"";
  std::vector<Component> entries;
  try {
    entries = ReadRegistry();
  } catch (const vb::Error& e) {
    return e.Detail();
  }
  for (const Component& entry : entries) {
    if (!SameGuid(entry.typelib, parsed->typelib)) continue;
    try {
      const ServerLibrary& library = LoadServer(entry.library);
      // Asking for a class's factory makes the library register its classes.
      void* factory = nullptr;
      if (library.GetClassObject(entry.clsid, kIID_IClassFactory, &factory) == Q_S_OK && factory) {
        auto* f = static_cast<QClassFactory*>(factory);
        f->lpVtbl->Release(f);
      }
    } catch (const vb::Error& e) {
      return e.Detail();
    }
  }
  return std::nullopt;
}

std::vector<std::string> ObjectLinesFor(const std::vector<std::string>& class_names) {
  std::vector<Component> entries;
  try {
    entries = ReadRegistry();
  } catch (const vb::Error&) {
    return {};  // an unreadable registry names no library; the form still saves
  }
  std::vector<std::string> lines;
  std::vector<std::string> seen;
  for (const std::string& name : class_names) {
    for (const Component& e : entries) {
      if (e.progid.size() != name.size() ||
          !std::equal(name.begin(), name.end(), e.progid.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
          })) {
        continue;
      }
      const std::string typelib = FormatGuid(e.typelib);
      if (std::find(seen.begin(), seen.end(), typelib) != seen.end()) break;
      seen.push_back(typelib);
      lines.push_back("Object = \"" + typelib + "#" + e.version + "#0\"; \"" +
                      std::filesystem::path(e.library).filename().string() + "\"");
      break;
    }
  }
  return lines;
}

}  // namespace host::components
