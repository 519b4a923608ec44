#include "platform/host/services/errors.h"

#include "platform/vb/error.h"
#include "platform/win/desktop.h"

namespace host {

namespace {
ErrorSink* g_sink = nullptr;
}

std::string ErrorReport::Format() const {
  return "error " + source + " " + procedure + " " + std::to_string(number) + " \"" + description +
         "\"";
}

ErrorSink* GetErrorSink() {
  return g_sink;
}
void SetErrorSink(ErrorSink* sink) {
  g_sink = sink;
}

bool Dispatch(const Object* owner, std::string_view procedure,
              const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const vb::Error& error) {
    ErrorReport report;
    if (owner) {
      report.class_name = owner->Class().full_name();
      report.source = owner->Path();
    }
    report.procedure = std::string(procedure);
    report.number = error.Number();
    report.description = error.Description().empty() ? error.Detail() : error.Description();
    if (g_sink) {
      g_sink->Report(report);
    } else {
      win::Desktop::Current().Log(report.Format());
    }
    return false;
  }
}

}  // namespace host
