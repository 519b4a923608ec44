#include "apps/quorin-run/components.h"

#include <cstdio>

#include "apps/quorin-run/runner.h"
#include "platform/host/components/loader.h"
#include "platform/host/components/registry.h"
#include "platform/vb/error.h"

namespace scenario {

namespace {

std::string Hex(QHRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
  return text;
}

}  // namespace

int RunRegistryActions(const std::vector<RegistryAction>& actions, std::ostream& out,
                       std::ostream& err) {
  namespace hc = host::components;
  try {
    for (const RegistryAction& action : actions) {
      if (action.kind == RegistryAction::kList) {
        for (const hc::Component& entry : hc::ReadRegistry()) out << hc::ListingLine(entry) << '\n';
        continue;
      }
      const hc::ServerLibrary& library = hc::LoadServer(action.library);
      const bool registering = action.kind == RegistryAction::kRegister;
      const QHRESULT hr = registering ? library.Register() : library.Unregister();
      if (hr != Q_S_OK) {
        err << "quorin-run: " << action.library << ": "
            << (registering ? "DllRegisterServer" : "DllUnregisterServer") << " failed with "
            << Hex(hr) << '\n';
        return kExitBadInput;
      }
      out << (registering ? "registered " : "unregistered ") << '"' << library.path() << "\"\n";
    }
  } catch (const vb::Error& e) {
    err << "quorin-run: " << e.Detail() << " (" << e.Description() << ")\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace scenario
