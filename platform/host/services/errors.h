#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/object.h"

namespace host {

// A run-time error that escaped an event handler and reached the engine.
struct ErrorReport {
  std::string class_name;  // class of the object whose handler failed
  std::string source;      // its path, "Form1.QuorinSkin1"
  std::string procedure;   // "Title_MouseDown", "UserControl_Resize", "Form_Load"
  int number = 0;
  std::string description;

  // error Form1.QuorinSkin1 Title_MouseDown 91 "Object variable or With block variable not set"
  std::string Format() const;
};

class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void Report(const ErrorReport& report) = 0;
};

// Keeps every report (tests and the driver read them back).
class RecordingErrorSink : public ErrorSink {
 public:
  void Report(const ErrorReport& report) override { reports.push_back(report); }
  std::vector<ErrorReport> reports;
};

// The process's sink; with none set, reports go to the current desktop's log.
ErrorSink* GetErrorSink();
void SetErrorSink(ErrorSink* sink);

// Runs one handler for the engine: a vb::Error escaping it is reported with the handler's
// owner and procedure name and swallowed, so the loop goes on. Returns false when it failed.
// Only vb::Error is caught; anything else is a bug and keeps propagating.
bool Dispatch(const Object* owner, std::string_view procedure,
              const std::function<void()>& handler);

}  // namespace host
