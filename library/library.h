#pragma once

namespace quorin {

// Registers every class of the library with the form engine's type information, so form
// files, the scenario driver and late binding can create them by name.
void RegisterLibraryClasses();

}  // namespace quorin
