#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario {

// One component-registry action of the command line, run before (instead of) any form.
struct RegistryAction {
  enum Kind { kRegister, kUnregister, kList } kind = kList;
  std::string library;
};

// --register LIB and --unregister LIB call the library's entry points; --components prints
// one `component PROGID clsid={…} library="…"` line per registered class. Returns the exit
// status: 0, or 2 with `quorin-run: reason` on `err` for a library or registry that fails.
int RunRegistryActions(const std::vector<RegistryAction>& actions, std::ostream& out,
                       std::ostream& err);

}  // namespace scenario
