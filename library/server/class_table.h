#pragma once

#include <span>
#include <string_view>

namespace quorin {

// One public class of the library as the component registry knows it.
struct PublicClass {
  std::string_view progid;  // the class's full name in the type registry
  std::string_view clsid;
};

// The library's type library and its version.
inline constexpr std::string_view kTypeLibId = "{63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}";
inline constexpr std::string_view kTypeLibVersion = "1.0";

// Every public class of the library with its fixed class id. The private classes
// (CommandButton, LabelMenu, ThemeX) are not offered.
std::span<const PublicClass> PublicClasses();

}  // namespace quorin
