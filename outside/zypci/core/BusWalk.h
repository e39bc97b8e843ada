// Finds the functions of a PCI segment the way firmware and operating
// systems enumerate it, without touching all 65,536 addresses:
//
// 1. Bus 0, device by device: function 0 first; functions 1 to 7 only when
//    function 0's header says it is a multi-function device.
// 2. Behind every PCI-to-PCI and CardBus bridge found, its secondary bus, in
//    the same way (each bus once, whatever the bridges claim).
// 3. Peer root buses, which a chipset may hang beside bus 0 (another host
//    bridge, a root complex of its own): every bus no bridge found so far
//    covers (its secondary to subordinate range) is probed at device 0,
//    function 0, and walked as in 1 and 2 when something answers. A root
//    bus without a device 0 is not found this way; a firmware table would
//    be needed for it.
//
// A function is present when its vendor ID is neither 0xFFFF (nothing
// answered) nor 0x0000.
#pragma once

#include <vector>

#include "ConfigSpace.h"

namespace vantor::pci {

// The functions found, ordered by bus, device and function.
std::vector<FunctionAddress> WalkBuses(ConfigSpace& space);

}  // namespace vantor::pci
