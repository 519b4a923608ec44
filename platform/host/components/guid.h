#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/host/components/server_abi.h"

namespace host::components {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (braces and hex digits in any case) to a GUID;
// nullopt for anything else.
std::optional<QGUID> ParseGuid(std::string_view text);
// The braced, upper-case form.
std::string FormatGuid(const QGUID& guid);
bool SameGuid(const QGUID& a, const QGUID& b);

}  // namespace host::components
