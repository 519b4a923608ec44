// quorin-run: runs forms and a script of mouse, keyboard and property actions on the
// headless desktop, printing everything it observes. See README.md for the formats.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "apps/quorin-run/components.h"
#include "apps/quorin-run/runner.h"
#include "platform/vb/ansi.h"

namespace {

constexpr const char* kUsage =
    "usage: quorin-run FORMFILE... [--script FILE | --script - | -] [--design]\n"
    "                  [--codepage N]\n"
    "       quorin-run [--register LIB] [--unregister LIB] [--components]\n"
    "  --script FILE  the script to run ('-' reads it from standard input)\n"
    "  --design       load the forms at design time\n"
    "  --codepage N   the ANSI code page of form files (default 936; 1252 for Western)\n"
    "Without a script the forms are loaded (and so checked) and nothing else happens.\n"
    "  --register LIB    registers the control library's classes in the component registry\n"
    "  --unregister LIB  removes them\n"
    "  --components      lists the registered classes\n";

int Usage(const std::string& problem) {
  std::cerr << "quorin-run: " << problem << "\n" << kUsage;
  return scenario::kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  scenario::RunOptions options;
  std::optional<std::string> script_file;
  std::vector<scenario::RegistryAction> registry;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return scenario::kExitOk;
    }
    if (arg == "--register" || arg == "--unregister") {
      if (i + 1 >= argc) return Usage(arg + " needs a library file");
      registry.push_back({arg == "--register" ? scenario::RegistryAction::kRegister
                                              : scenario::RegistryAction::kUnregister,
                          argv[++i]});
    } else if (arg == "--components") {
      registry.push_back({scenario::RegistryAction::kList, {}});
    } else if (arg == "--design") {
      options.design_mode = true;
    } else if (arg == "--codepage") {
      if (i + 1 >= argc) return Usage("--codepage needs a number such as 1252");
      const std::string value = argv[++i];
      int code_page = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), code_page);
      if (ec != std::errc() || end != value.data() + value.size() ||
          !vb::IsKnownCodePage(code_page)) {
        return Usage("unknown code page " + value);
      }
      vb::SetAnsiCodePage(code_page);
    } else if (arg == "--script" || arg == "-") {
      if (script_file) return Usage("only one script can run");
      if (arg == "-") {
        script_file = "-";
      } else if (i + 1 < argc) {
        script_file = argv[++i];
      } else {
        return Usage("--script needs a file name, or - for standard input");
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else {
      options.form_files.push_back(arg);
    }
  }

  if (!registry.empty()) {
    if (!options.form_files.empty() || script_file || options.design_mode) {
      return Usage("--register, --unregister and --components take no forms or script");
    }
    return scenario::RunRegistryActions(registry, std::cout, std::cerr);
  }

  std::string text;
  std::string name = "<stdin>";
  if (script_file && *script_file == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else if (script_file) {
    name = *script_file;
    std::ifstream in(name, std::ios::binary);
    if (!in) {
      std::cerr << name << ": cannot read the script\n";
      return scenario::kExitBadInput;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  scenario::ScriptParse parsed = scenario::ParseScript(text, name);
  for (const std::string& error : parsed.errors) std::cerr << error << '\n';
  if (!parsed.ok()) return scenario::kExitBadInput;
  return scenario::RunScenario(parsed.script, options, std::cout, std::cerr,
                               scenario::DefaultEngineFactory());
}
