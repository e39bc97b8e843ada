// What the Win32 side reads of one class: its instances, each with its class
// name and its properties in the order the object names them. The export
// turns this plain data into INI entries.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/WmiValue.h"

namespace vantor::wmi {

struct WmiProperty {
    std::string name;
    std::optional<WmiValue> value;  // none: the value could not be read
};

struct WmiInstance {
    // The instance's "__Class" value; none when it could not be read.
    std::optional<std::string> className;
    // Every non-system property, the first name included; none when the
    // instance's "__Relpath" could not be read, its object not fetched or its
    // names not listed.
    std::optional<std::vector<WmiProperty>> properties;
};

}  // namespace vantor::wmi
