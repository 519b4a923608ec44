#pragma once

#include <memory>

#include "apps/quorin-run/engine.h"

namespace scenario {

// The form engine behind the driver: form files loaded through the form-file bridge, commands
// carried out by late binding, and everything the engine raises (events, PropertyChanged,
// message boxes, errors of event procedures) written to the context's sink as log lines.
std::unique_ptr<Engine> MakeHostEngine(const EngineContext& context);

}  // namespace scenario
