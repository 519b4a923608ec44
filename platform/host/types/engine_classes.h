#pragma once

namespace host {

// Registers the type information of every class of the engine (VB.Form, VB.Menu, VB.Label,
// ...), so that lookups by name see them all. Safe to call more than once.
void RegisterEngineClasses();

}  // namespace host
