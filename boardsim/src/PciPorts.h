// The processor's I/O ports as the simulated board answers them: PCI
// configuration mechanism 1 (address register 0xCF8, data window 0xCFC) over
// the board's configuration-space snapshot; every other port is empty.
#ifndef BOARDSIM_PCIPORTS_H
#define BOARDSIM_PCIPORTS_H

#include "PciSnapshot.h"

#include <cstdint>

namespace boardsim {

inline constexpr std::uint32_t kConfigAddressPort = 0xCF8;
inline constexpr std::uint32_t kConfigDataPort = 0xCFC;

// `width` bytes (1, 2 or 4) from `port` on, little-endian as the processor
// assembles them. The caller has checked width and range.
std::uint32_t ReadPorts(const PciSpace& space, std::uint32_t port, std::uint32_t width);
void WritePorts(PciSpace& space, std::uint32_t port, std::uint32_t width, std::uint32_t value);

}  // namespace boardsim

#endif
