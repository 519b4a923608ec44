#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apps/quorin-run/values.h"
#include "platform/win/win_types.h"

namespace desktop {
class HeadlessDesktop;
}

namespace scenario {

// Where the engine writes what it observes (event, changed, msgbox and error lines), one
// line at a time, in the order things happen; the driver's own lines go to the same place.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Emit(std::string line) = 0;
};

// The outcome of one engine command: success with its text, or a run-time error.
struct Reply {
  bool ok = true;
  // get and call: the value as FormatVariant prints it; inspect: the fields after the path
  // ("kind=CommandButton left=347 …"); other commands: unused.
  std::string text;
  int number = 0;
  std::string description;

  static Reply Ok(std::string text = {}) { return {true, std::move(text), 0, {}}; }
  static Reply Failed(int number, std::string description) {
    return {false, {}, number, std::move(description)};
  }
};

// A control placed anew at design time: `place Form1 QuorinSkinForVB6.VistaButton
// VistaButton1 120 480 1695 915` (position and size in twips).
struct Placement {
  std::string form;
  std::string class_name;
  std::string name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The commands of a script that need the form engine. Every call comes from a timeline
// action, so it may run inside a modal loop; a call that shows something modally (Show
// modal, PropertyPages) returns when that loop ends. Paths are as the script wrote them.
class Engine {
 public:
  virtual ~Engine() = default;

  // Loads a form file; "" on success, else "file:line: reason" (nothing half-loaded).
  virtual std::string LoadForm(const std::string& file) = 0;
  virtual Reply Show(const std::string& form, bool modal) = 0;
  virtual Reply Set(const std::string& path, const Value& value) = 0;
  virtual Reply Get(const std::string& path) = 0;
  virtual Reply Call(const std::string& path, const std::vector<Value>& args) = 0;
  virtual Reply Inspect(const std::string& path) = 0;
  virtual Reply Save(const std::string& form, const std::string& file) = 0;
  virtual Reply PropertyPages(const std::string& path) = 0;
  virtual Reply Place(const Placement& placement) = 0;
  // The path of the form, control or element that owns the window, for `windows`; nullopt
  // for windows the engine did not make.
  virtual std::optional<std::string> OwnerPath(win32::HWND hwnd) = 0;
};

// What an engine is made with: the desktop it runs on (already current, with the script's
// screen and taskbar), where its lines go, and whether forms load at design time.
struct EngineContext {
  desktop::HeadlessDesktop& desktop;
  LineSink& sink;
  bool design_mode = false;
};

using EngineFactory = std::function<std::unique_ptr<Engine>(const EngineContext&)>;

// The stand-in used until the form engine is wired in: it refuses form files and answers
// every command with error 438.
std::unique_ptr<Engine> MakeUnavailableEngine();

// The engine the quorin-run program uses.
EngineFactory DefaultEngineFactory();

}  // namespace scenario
