#pragma once

// The engine's component registry: which control library serves which class. A text file,
// one class a line:
//   component PROGID clsid={GUID} typelib={GUID}#MAJOR.MINOR library="PATH"
// (blank lines and lines starting with # are ignored; "" stands for a quote in PATH).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/components/server_abi.h"

namespace host::components {

struct Component {
  std::string progid;  // "QuorinSkinForVB6.TrayIcon"
  QGUID clsid{};
  QGUID typelib{};
  std::string version = "1.0";
  std::string library;  // the server's absolute path
};

// $QUORIN_REGISTRY, else components.txt in quorin/ under the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share).
std::filesystem::path RegistryPath();

// Every entry; a missing file is an empty registry. A line that is not an entry is error 380
// "<file>:<line>: <reason>".
std::vector<Component> ReadRegistry(const std::filesystem::path& path = RegistryPath());
// Replaces the file at once (write, then rename); missing folders are made.
void WriteRegistry(const std::vector<Component>& entries,
                   const std::filesystem::path& path = RegistryPath());

// Adds the entries, each replacing one with the same class id or ProgID.
void AddComponents(const std::vector<Component>& entries);
// Removes the entries with these class ids; the others stay.
void RemoveComponents(const std::vector<QGUID>& clsids);

// The line of one entry as `--components` prints it: component PROGID clsid={…} library="…".
std::string ListingLine(const Component& entry);
// The registry line of one entry.
std::string RegistryLine(const Component& entry);
// One registry line back; nullopt for a line that is not an entry.
std::optional<Component> ParseRegistryLine(std::string_view line);

}  // namespace host::components
