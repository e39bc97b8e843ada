// Walking a control tree: depth first in creation order (a windowed control's
// children right after it, before its next sibling), the order in which the
// layout tables are applied; and lookup by name.
#pragma once

#include <functional>
#include <string_view>

#include "toolkit/Control.h"

namespace vantor::toolkit {

enum class WalkStep {
    Continue,
    Stop
};

// Visits every control below `root` (not `root` itself). Only windowed
// controls are descended into. Returns Stop when the visitor stopped it.
WalkStep WalkDepthFirst(const Control& root, const std::function<WalkStep(Control&)>& visit);

// The first control below `root`, in walk order, named exactly `name`, or null.
Control* FindControl(const Control& root, std::string_view name);

}  // namespace vantor::toolkit
