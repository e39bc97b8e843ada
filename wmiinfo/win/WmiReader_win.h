// One WMI class read through COM into plain data: a new locator and
// connection to the local "root\cimv2" namespace, the class's instance
// enumerator, one Next call for up to 99 instances, and for each instance its
// "__Class", its object fetched again by "__Relpath", and the values of all
// the non-system properties it names. Needs Windows for COM and WMI; COM must
// be started on the calling thread.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/WmiHost.h"
#include "core/WmiInstance.h"

namespace vantor::wmi {

// None when the locator cannot be made, the namespace not connected to or
// the class not enumerated.
std::optional<std::vector<WmiInstance>> ReadWmiClass(std::string_view className, ProxyBlanket blanket);

}  // namespace vantor::wmi
