#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "apps/quorin-run/engine.h"
#include "apps/quorin-run/script_parser.h"

namespace scenario {

// Standard output of a run: every line as it happens, and the lines since the last expect.
class Output : public LineSink {
 public:
  // `remember` false: the script has no expect, so no line needs keeping.
  explicit Output(std::ostream& out, bool remember = true) : out_(out), remember_(remember) {}
  void Emit(std::string line) override;
  // Whether a line printed since the last check contains `text`; starts afresh either way.
  bool Check(std::string_view text);

 private:
  std::ostream& out_;
  bool remember_;
  std::vector<std::string> recent_;
};

struct RunOptions {
  std::vector<std::string> form_files;
  bool design_mode = false;
};

// Exit statuses of the driver.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;    // an expect failed, a shot was not written, or the run quit early
constexpr int kExitBadInput = 2;  // a bad script, form file or command line

// Runs a parsed script: makes the desktop it asks for, loads the form files through the
// engine, puts every action on the desktop's timeline and runs the loop until the script has
// run out. Observed lines go to `out`, refusals (file, line, reason) to `err`. Without a
// factory the stand-in engine of MakeUnavailableEngine is used.
int RunScenario(const Script& script, const RunOptions& options, std::ostream& out,
                std::ostream& err, const EngineFactory& factory = {});

}  // namespace scenario
