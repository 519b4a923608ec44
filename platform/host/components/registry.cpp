#include "platform/host/components/registry.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/host/components/guid.h"
#include "platform/host/form_file/file_io.h"
#include "platform/vb/error.h"

namespace host::components {

namespace {

constexpr std::size_t kMaxRegistryBytes = 16u << 20;

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// Splits off the next word (up to a space); the rest follows.
std::string_view Word(std::string_view& rest) {
  while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
  std::size_t end = 0;
  while (end < rest.size() && !IsSpace(rest[end])) ++end;
  std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool ValidVersion(std::string_view v) {
  const std::size_t dot = v.find('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == v.size()) return false;
  return std::all_of(v.begin(), v.end(),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); }) &&
         v.find('.', dot + 1) == std::string_view::npos;
}

}  // namespace

std::filesystem::path RegistryPath() {
  if (const char* file = std::getenv("QUORIN_REGISTRY"); file && *file) return file;
  std::filesystem::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    data = std::filesystem::path(home) / ".local" / "share";
  } else {
    data = std::filesystem::temp_directory_path();
  }
  return data / "quorin" / "components.txt";
}

std::string RegistryLine(const Component& e) {
  return "component " + e.progid + " clsid=" + FormatGuid(e.clsid) +
         " typelib=" + FormatGuid(e.typelib) + "#" + e.version + " library=" + Quoted(e.library);
}

std::string ListingLine(const Component& e) {
  return "component " + e.progid + " clsid=" + FormatGuid(e.clsid) +
         " library=" + Quoted(e.library);
}

std::optional<Component> ParseRegistryLine(std::string_view line) {
  Component e;
  std::string_view rest = line;
  if (Word(rest) != "component") return std::nullopt;
  e.progid = std::string(Word(rest));
  if (e.progid.empty() || e.progid.find('.') == std::string::npos) return std::nullopt;
  std::string_view clsid = Word(rest);
  if (!StartsWith(clsid, "clsid=")) return std::nullopt;
  std::optional<QGUID> c = ParseGuid(clsid.substr(6));
  std::string_view typelib = Word(rest);
  if (!c || !StartsWith(typelib, "typelib=")) return std::nullopt;
  typelib.remove_prefix(8);
  const std::size_t hash = typelib.find('#');
  std::optional<QGUID> t = ParseGuid(typelib.substr(0, hash));
  if (!t || hash == std::string_view::npos || !ValidVersion(typelib.substr(hash + 1))) {
    return std::nullopt;
  }
  e.clsid = *c;
  e.typelib = *t;
  e.version = std::string(typelib.substr(hash + 1));
  while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && IsSpace(rest.back())) rest.remove_suffix(1);
  if (!StartsWith(rest, "library=\"") || rest.size() < 10 || rest.back() != '"') {
    return std::nullopt;
  }
  std::string_view quoted = rest.substr(9, rest.size() - 10);
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    if (quoted[i] == '"') {
      if (i + 1 >= quoted.size() || quoted[i + 1] != '"') return std::nullopt;
      ++i;
    }
    e.library += quoted[i];
  }
  if (e.library.empty()) return std::nullopt;
  return e;
}

std::vector<Component> ReadRegistry(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes;
  switch (formfile::ReadWholeFile(path, kMaxRegistryBytes, &bytes)) {
    case formfile::ReadResult::kOk:
      break;
    case formfile::ReadResult::kMissing:
      return {};
    case formfile::ReadResult::kTooLarge:
      throw vb::Error(vb::kInvalidPropertyValue, path.string() + ": the registry is too large");
    case formfile::ReadResult::kUnreadable:
      throw vb::Error(vb::kInvalidPropertyValue, path.string() + ": cannot read the registry");
  }
  std::vector<Component> entries;
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    std::string_view trimmed = line;
    while (!trimmed.empty() && IsSpace(trimmed.front())) trimmed.remove_prefix(1);
    while (!trimmed.empty() && IsSpace(trimmed.back())) trimmed.remove_suffix(1);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    std::optional<Component> e = ParseRegistryLine(trimmed);
    if (!e) {
      throw vb::Error(vb::kInvalidPropertyValue,
                      path.string() + ":" + std::to_string(number) + ": not a component entry");
    }
    entries.push_back(std::move(*e));
  }
  return entries;
}

void WriteRegistry(const std::vector<Component>& entries, const std::filesystem::path& path) {
  std::string text = "# The engine's component registry: one class of a control library a line.\n";
  for (const Component& e : entries) text += RegistryLine(e) + "\n";
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  formfile::ReplaceWith(formfile::WriteTemporary(path, text), path);
}

void AddComponents(const std::vector<Component>& added) {
  const std::filesystem::path path = RegistryPath();
  std::vector<Component> entries = ReadRegistry(path);
  for (const Component& a : added) {
    std::erase_if(entries, [&](const Component& e) {
      return SameGuid(e.clsid, a.clsid) || e.progid == a.progid;
    });
    entries.push_back(a);
  }
  WriteRegistry(entries, path);
}

void RemoveComponents(const std::vector<QGUID>& clsids) {
  const std::filesystem::path path = RegistryPath();
  std::vector<Component> entries = ReadRegistry(path);
  std::erase_if(entries, [&](const Component& e) {
    return std::any_of(clsids.begin(), clsids.end(),
                       [&](const QGUID& c) { return SameGuid(c, e.clsid); });
  });
  WriteRegistry(entries, path);
}

}  // namespace host::components
