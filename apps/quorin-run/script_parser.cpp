#include "apps/quorin-run/script_parser.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "platform/win/window_manager.h"

namespace scenario {

namespace {

struct CommandInfo {
  Command command;
  const char* name;
  const char* usage;
};

constexpr std::array kCommands = {
    CommandInfo{Command::kScreen, "screen", "screen WIDTH HEIGHT TWIPS_PER_PIXEL"},
    CommandInfo{Command::kTaskbar, "taskbar",
                "taskbar bottom|top|left|right SIZE, or taskbar none"},
    CommandInfo{Command::kShow, "show", "show FORM [modal]"},
    CommandInfo{Command::kSet, "set", "set PATH VALUE"},
    CommandInfo{Command::kGet, "get", "get PATH"},
    CommandInfo{Command::kCall, "call", "call PATH [VALUE...]"},
    CommandInfo{Command::kMove, "move", "move X Y"},
    CommandInfo{Command::kDown, "down", "down left|right|middle"},
    CommandInfo{Command::kUp, "up", "up left|right|middle"},
    CommandInfo{Command::kClick, "click", "click left|right|middle"},
    CommandInfo{Command::kDoubleClick, "dblclick", "dblclick left|right|middle"},
    CommandInfo{Command::kDrag, "drag", "drag left|right|middle X1 Y1 X2 Y2"},
    CommandInfo{Command::kKey, "key", "key VK"},
    CommandInfo{Command::kKeyDown, "keydown", "keydown VK"},
    CommandInfo{Command::kKeyUp, "keyup", "keyup VK"},
    CommandInfo{Command::kChar, "char", "char \"C\""},
    CommandInfo{Command::kType, "type", "type \"TEXT\""},
    CommandInfo{Command::kAlt, "alt", "alt \"LETTER\""},
    CommandInfo{Command::kWait, "wait", "wait MS"},
    CommandInfo{Command::kShot, "shot", "shot FILE"},
    CommandInfo{Command::kPixel, "pixel", "pixel X Y"},
    CommandInfo{Command::kWindows, "windows", "windows"},
    CommandInfo{Command::kTray, "tray", "tray"},
    CommandInfo{Command::kInspect, "inspect", "inspect PATH"},
    CommandInfo{Command::kExpect, "expect", "expect \"TEXT\""},
    CommandInfo{Command::kSave, "save", "save FORM FILE"},
    CommandInfo{Command::kPropertyPages, "propertypages", "propertypages PATH"},
    CommandInfo{Command::kPlace, "place", "place FORM CLASS NAME LEFT TOP WIDTH HEIGHT"},
};

const CommandInfo& InfoOf(Command command) {
  for (const CommandInfo& info : kCommands) {
    if (info.command == command) return info;
  }
  return kCommands[0];
}

constexpr std::int64_t kMaxCoordinate = 100000;                  // pixels, well past any screen
constexpr std::int64_t kMaxTwips = 10000000;                     // ten million twips, about 7 km
constexpr std::int64_t kMaxWaitMs = 24 * 3600000;                // one virtual day
constexpr int kMaxScreen = win::WindowManager::kMaxSurfaceSize;  // what a surface can hold

// Splits a line into tokens: whitespace separates them except inside quotes, and a token
// that starts with # starts a comment.
std::optional<std::string> Tokenize(std::string_view line, std::vector<std::string>* tokens) {
  std::size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (c == '#') break;
    std::string token;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '"') quoted = !quoted;  // "" inside a string toggles twice
      token += line[i++];
    }
    if (quoted) return "unterminated string " + token;
    tokens->push_back(std::move(token));
  }
  return std::nullopt;
}

class LineParser {
 public:
  LineParser(const std::vector<std::string>& tokens, Action* action)
      : tokens_(tokens), action_(*action) {}

  // Fills the action from the tokens; the reason when the line is wrong.
  std::optional<std::string> Parse() {
    const std::string& word = tokens_[0];
    const CommandInfo* info = nullptr;
    for (const CommandInfo& candidate : kCommands) {
      if (word == candidate.name) info = &candidate;
    }
    if (!info) return "unknown command \"" + word + "\"";
    info_ = info;
    action_.command = info->command;
    switch (info->command) {
      case Command::kScreen: {
        if (!Count(3)) return Usage();
        std::optional<std::string> e;
        if ((e = Number(1, 1, kMaxScreen, "width")) || (e = Number(2, 1, kMaxScreen, "height")))
          return e;
        double tpp = 0;
        const std::string& t = tokens_[3];
        auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), tpp);
        if (ec != std::errc() || end != t.data() + t.size() || !(tpp > 0) || tpp > 1440)
          return "bad twips per pixel \"" + t + "\": expected a number above 0 and up to 1440";
        action_.twips_per_pixel = tpp;
        return std::nullopt;
      }
      case Command::kTaskbar: {
        if (Count(1) && tokens_[1] == "none") {
          action_.taskbar_shown = false;
          return std::nullopt;
        }
        if (!Count(2)) return Usage();
        static constexpr std::pair<const char*, win::TaskbarEdge> kEdges[] = {
            {"bottom", win::TaskbarEdge::kBottom},
            {"top", win::TaskbarEdge::kTop},
            {"left", win::TaskbarEdge::kLeft},
            {"right", win::TaskbarEdge::kRight}};
        bool found = false;
        for (const auto& [name, edge] : kEdges) {
          if (tokens_[1] == name) {
            action_.edge = edge;
            found = true;
          }
        }
        if (!found)
          return "bad taskbar edge \"" + tokens_[1] + "\": expected bottom, top, left or right";
        return Number(2, 0, 1000, "taskbar size");
      }
      case Command::kShow:
        if (Count(1) || (Count(2) && tokens_[2] == "modal")) {
          action_.modal = Count(2);
          return Form(1);
        }
        return Usage();
      case Command::kSet: {
        if (!Count(2)) return Usage();
        if (std::optional<std::string> e = Path(1)) return e;
        return Values(2);
      }
      case Command::kCall: {
        if (tokens_.size() < 2) return Usage();
        if (std::optional<std::string> e = Path(1)) return e;
        return Values(2);
      }
      case Command::kGet:
      case Command::kInspect:
      case Command::kPropertyPages:
        if (!Count(1)) return Usage();
        return Path(1);
      case Command::kMove:
      case Command::kPixel: {
        if (!Count(2)) return Usage();
        std::optional<std::string> e;
        if ((e = Number(1, -kMaxCoordinate, kMaxCoordinate, "x"))) return e;
        return Number(2, -kMaxCoordinate, kMaxCoordinate, "y");
      }
      case Command::kDown:
      case Command::kUp:
      case Command::kClick:
      case Command::kDoubleClick:
        if (!Count(1)) return Usage();
        return Button(1);
      case Command::kDrag: {
        if (!Count(5)) return Usage();
        std::optional<std::string> e;
        if ((e = Button(1))) return e;
        static constexpr const char* kNames[] = {"x1", "y1", "x2", "y2"};
        for (std::size_t i = 0; i < 4; ++i) {
          if ((e = Number(2 + i, -kMaxCoordinate, kMaxCoordinate, kNames[i]))) return e;
        }
        return std::nullopt;
      }
      case Command::kKey:
      case Command::kKeyDown:
      case Command::kKeyUp:
        if (!Count(1)) return Usage();
        return Number(1, 1, 254, "virtual key");
      case Command::kChar:
      case Command::kAlt:
      case Command::kType:
      case Command::kExpect:
        if (!Count(1)) return Usage();
        return Text(1);
      case Command::kWait:
        if (!Count(1)) return Usage();
        return Number(1, 0, kMaxWaitMs, "wait");
      case Command::kShot:
        if (!Count(1)) return Usage();
        return File(1);
      case Command::kWindows:
      case Command::kTray:
        if (!Count(0)) return Usage();
        return std::nullopt;
      case Command::kSave: {
        if (!Count(2)) return Usage();
        if (std::optional<std::string> e = Form(1)) return e;
        return File(2);
      }
      case Command::kPlace: {
        if (!Count(7)) return Usage();
        std::optional<std::string> e;
        if ((e = Form(1))) return e;
        const std::string& class_name = tokens_[2];
        if (class_name.find('(') != std::string::npos || !IsPath(class_name))
          return "bad class name \"" + class_name + "\": expected a name such as " +
                 "QuorinSkinForVB6.VistaButton";
        action_.names.push_back(class_name);
        if (!IsName(tokens_[3]))
          return "bad control name \"" + tokens_[3] + "\": expected a letter, then letters, " +
                 "digits or _";
        action_.names.push_back(tokens_[3]);
        if ((e = Number(4, -kMaxTwips, kMaxTwips, "left")) ||
            (e = Number(5, -kMaxTwips, kMaxTwips, "top")) ||
            (e = Number(6, 0, kMaxTwips, "width")) || (e = Number(7, 0, kMaxTwips, "height")))
          return e;
        return std::nullopt;
      }
    }
    return Usage();
  }

 private:
  bool Count(std::size_t arguments) const { return tokens_.size() == arguments + 1; }
  std::string Usage() const { return std::string("expected \"") + info_->usage + "\""; }

  std::optional<std::string> Number(std::size_t i, std::int64_t min, std::int64_t max,
                                    const char* what) {
    const std::string& t = tokens_[i];
    std::int64_t n = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec != std::errc() || end != t.data() + t.size() || n < min || n > max)
      return std::string("bad ") + what + " \"" + t + "\": expected a whole number from " +
             std::to_string(min) + " to " + std::to_string(max);
    action_.numbers.push_back(n);
    return std::nullopt;
  }

  std::optional<std::string> Button(std::size_t i) {
    static constexpr std::pair<const char*, win::MouseButton> kButtons[] = {
        {"left", win::MouseButton::kLeft},
        {"right", win::MouseButton::kRight},
        {"middle", win::MouseButton::kMiddle}};
    for (const auto& [name, button] : kButtons) {
      if (tokens_[i] == name) {
        action_.button = button;
        return std::nullopt;
      }
    }
    return "bad mouse button \"" + tokens_[i] + "\": expected left, right or middle";
  }

  std::optional<std::string> Path(std::size_t i) {
    if (!IsPath(tokens_[i]))
      return "bad path \"" + tokens_[i] + "\": expected names joined by dots, as in " +
             "Form1.QuorinSkin1.LbMenu(2)";
    action_.names.push_back(tokens_[i]);
    return std::nullopt;
  }

  std::optional<std::string> Form(std::size_t i) {
    if (!IsName(tokens_[i]))
      return "bad form name \"" + tokens_[i] + "\": expected a name such as Form1";
    action_.names.push_back(tokens_[i]);
    return std::nullopt;
  }

  // A file name, bare or in quotes (for names with spaces).
  std::optional<std::string> File(std::size_t i) {
    std::string file = tokens_[i];
    if (file.front() == '"') {
      std::optional<std::string> text = Unquote(file);
      if (!text || text->empty()) return "bad file name " + file;
      file = std::move(*text);
    }
    action_.names.push_back(std::move(file));
    return std::nullopt;
  }

  std::optional<std::string> Text(std::size_t i) {
    std::optional<std::string> text = Unquote(tokens_[i]);
    if (!text) return "expected text in quotes, as in " + std::string(info_->usage);
    std::optional<std::u32string> chars = DecodeUtf8(*text);
    if (!chars) return "the text " + tokens_[i] + " is not valid UTF-8";
    if (action_.command == Command::kChar && chars->size() != 1)
      return "char takes one character, got " + std::to_string(chars->size());
    if (action_.command == Command::kAlt &&
        (text->size() != 1 || !std::isalnum(static_cast<unsigned char>((*text)[0]))))
      return "alt takes one letter or digit, as in alt \"e\"";
    action_.text = std::move(*text);
    return std::nullopt;
  }

  std::optional<std::string> Values(std::size_t first) {
    for (std::size_t i = first; i < tokens_.size(); ++i) {
      ValueParse parsed = ParseValue(tokens_[i]);
      if (!parsed.value) return parsed.error;
      action_.values.push_back(std::move(*parsed.value));
    }
    return std::nullopt;
  }

  const std::vector<std::string>& tokens_;
  Action& action_;
  const CommandInfo* info_ = nullptr;
};

}  // namespace

const char* CommandName(Command command) {
  return InfoOf(command).name;
}

ScriptParse ParseScript(std::string_view text, const std::string& file) {
  ScriptParse result;
  result.script.file = file;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark
  auto fail = [&](int line, const std::string& reason) {
    result.errors.push_back(file + ":" + std::to_string(line) + ": " + reason);
  };
  int screen_line = 0, taskbar_line = 0, first_other_line = 0;
  int line_number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    start = end == std::string_view::npos ? text.size() + 1 : end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\0') != std::string_view::npos) {
      fail(line_number, "the line holds a NUL byte; a script is text");
      continue;
    }
    std::vector<std::string> tokens;
    if (std::optional<std::string> e = Tokenize(line, &tokens)) {
      fail(line_number, *e);
      continue;
    }
    if (tokens.empty()) continue;
    Action action;
    action.line = line_number;
    if (std::optional<std::string> e = LineParser(tokens, &action).Parse()) {
      fail(line_number, *e);
      continue;
    }
    // The desktop is made once, before any form loads, so its settings come first.
    win::DesktopSettings& settings = result.script.settings;
    if (action.command == Command::kScreen || action.command == Command::kTaskbar) {
      bool screen = action.command == Command::kScreen;
      int& seen = screen ? screen_line : taskbar_line;
      if (seen) {
        fail(line_number, std::string(screen ? "screen" : "taskbar") +
                              " is given twice (first on line " + std::to_string(seen) + ")");
        continue;
      }
      if (first_other_line) {
        fail(line_number, std::string(screen ? "screen" : "taskbar") +
                              " must come before every other command (line " +
                              std::to_string(first_other_line) + " comes first)");
        continue;
      }
      seen = line_number;
      if (screen) {
        settings.width = static_cast<int>(action.numbers[0]);
        settings.height = static_cast<int>(action.numbers[1]);
        settings.twips_per_pixel = static_cast<float>(action.twips_per_pixel);
      } else {
        settings.taskbar = action.taskbar_shown;
        if (action.taskbar_shown) {
          settings.taskbar_edge = action.edge;
          settings.taskbar_size = static_cast<int>(action.numbers[0]);
        }
      }
    } else {
      if (!first_other_line) first_other_line = line_number;
      if (action.command == Command::kPixel) {
        std::int64_t x = action.numbers[0], y = action.numbers[1];
        if (x < 0 || y < 0 || x >= settings.width || y >= settings.height) {
          fail(line_number, "pixel " + std::to_string(x) + " " + std::to_string(y) +
                                " is outside the " + std::to_string(settings.width) + "x" +
                                std::to_string(settings.height) + " screen");
          continue;
        }
      }
    }
    result.script.actions.push_back(std::move(action));
  }
  return result;
}

std::string Describe(const Action& action) {
  static constexpr const char* kButtons[] = {"left", "right", "middle"};
  std::string out = CommandName(action.command);
  auto add = [&](const std::string& word) { out += " " + word; };
  switch (action.command) {
    case Command::kDown:
    case Command::kUp:
    case Command::kClick:
    case Command::kDoubleClick:
    case Command::kDrag:
      add(kButtons[static_cast<int>(action.button)]);
      break;
    case Command::kTaskbar: {
      static constexpr const char* kEdges[] = {"bottom", "top", "left", "right"};
      add(action.taskbar_shown ? kEdges[static_cast<int>(action.edge)] : "none");
      break;
    }
    default:
      break;
  }
  for (const std::string& name : action.names) add(name);
  for (std::int64_t n : action.numbers) add(std::to_string(n));
  if (action.command == Command::kScreen) {
    char buffer[32];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, action.twips_per_pixel);
    add(std::string(buffer, r.ptr));
  }
  if (action.modal) add("modal");
  if (!action.text.empty() || action.command == Command::kType ||
      action.command == Command::kExpect)
    add(Quote(action.text));
  for (const Value& value : action.values) add(DescribeValue(value));
  return out;
}

}  // namespace scenario
