#include "platform/win/procedures.h"

#include <cctype>

#include "platform/win/user32.h"

namespace win {

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

ProcedureRegistry::ProcedureRegistry() {
  default_ = Register(win32::DefWindowProcA);
}

win32::WNDPROC ProcedureRegistry::Register(WindowProcedure procedure) {
  if (!procedure) return 0;
  win32::WNDPROC value = next_;
  next_ += 0x10;
  procedures_.emplace(value, std::move(procedure));
  return value;
}

const WindowProcedure* ProcedureRegistry::Find(win32::WNDPROC value) const {
  auto it = procedures_.find(value);
  return it == procedures_.end() ? nullptr : &it->second;
}

bool ProcedureRegistry::RegisterClass(const WindowClass& window_class) {
  if (window_class.name.empty()) return false;
  return classes_.emplace(LowerCase(window_class.name), window_class).second;
}

bool ProcedureRegistry::UnregisterClass(const std::string& name) {
  return classes_.erase(LowerCase(name)) > 0;
}

const WindowClass* ProcedureRegistry::FindClass(const std::string& name) const {
  auto it = classes_.find(LowerCase(name));
  return it == classes_.end() ? nullptr : &it->second;
}

}  // namespace win
