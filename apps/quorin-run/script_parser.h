#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "apps/quorin-run/values.h"
#include "platform/win/desktop.h"
#include "platform/win/input.h"

namespace scenario {

enum class Command {
  kScreen,
  kTaskbar,
  kShow,
  kSet,
  kGet,
  kCall,
  kMove,
  kDown,
  kUp,
  kClick,
  kDoubleClick,
  kDrag,
  kKey,
  kKeyDown,
  kKeyUp,
  kChar,
  kType,
  kAlt,
  kWait,
  kShot,
  kPixel,
  kWindows,
  kTray,
  kInspect,
  kExpect,
  kSave,
  kPropertyPages,
  kPlace,
};

// One line of a script. Which fields a command uses:
//   names:   show/get/set/call/inspect/propertypages the path; save the form and the file;
//            shot the file; place the form, the class and the name
//   numbers: screen W H; taskbar SIZE; move X Y; drag X1 Y1 X2 Y2; key VK; wait MS;
//            pixel X Y; place L T W H
//   text:    char, type, alt and expect
//   values:  set (one), call (the arguments)
struct Action {
  Command command = Command::kWindows;
  int line = 0;
  std::vector<std::string> names;
  std::vector<std::int64_t> numbers;
  std::string text;
  std::vector<Value> values;
  win::MouseButton button = win::MouseButton::kLeft;
  bool modal = false;          // show … modal
  double twips_per_pixel = 0;  // screen
  bool taskbar_shown = true;   // taskbar none
  win::TaskbarEdge edge = win::TaskbarEdge::kBottom;
};

struct Script {
  std::string file;  // the name errors carry
  std::vector<Action> actions;
  // The desktop the script asks for with screen and taskbar.
  win::DesktopSettings settings;
};

struct ScriptParse {
  Script script;
  std::vector<std::string> errors;  // "file:line: reason", in line order
  bool ok() const { return errors.empty(); }
};

// Reads a whole script; every bad line is reported, nothing runs when there is one.
ScriptParse ParseScript(std::string_view text, const std::string& file);

// The script word of a command ("dblclick").
const char* CommandName(Command command);
// The action in one canonical line, values with their kinds: for logs and tests.
std::string Describe(const Action& action);

}  // namespace scenario
