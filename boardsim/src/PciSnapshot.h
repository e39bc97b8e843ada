// A board's PCI configuration space, read from the text `lspci -x` (or -xxx,
// -xxxx) prints: for each function a line "[DDDD:]BB:DD.F description", then
// its bytes sixteen a line as "OFFSET: XX XX ..." from offset 00 on. Lines
// indented by a tab or a blank are lspci's verbose reading (-vvx) and are
// passed over. The text comes from outside and is never trusted: every
// other line is checked and a bad one fails the load with its line number.
//
// Ports 0xCF8/0xCFC reach the first 256 bytes of each function of one PCI
// segment (domain); bytes past 256 are checked but not kept.
#ifndef BOARDSIM_PCISNAPSHOT_H
#define BOARDSIM_PCISNAPSHOT_H

#include "Arena.h"

#include <cstdint>
#include <string_view>

namespace boardsim {

// Bytes of one function that configuration mechanism 1 reaches.
inline constexpr std::uint32_t kPciConfigSize = 256;
// A snapshot must hold at least the standard header of each function.
inline constexpr std::uint32_t kPciHeaderSize = 64;
// lspci -xxxx prints extended configuration space up to here.
inline constexpr std::uint32_t kPciExtendedSize = 4096;

struct PciFunction {
    std::uint8_t bus;
    std::uint8_t device;
    std::uint8_t function;
    std::uint32_t length;  // bytes the snapshot holds, up to kPciConfigSize
    std::uint8_t* bytes;   // kPciConfigSize bytes, of which `length` hold the snapshot
    PciFunction* next;
};

struct PciSpace {
    PciFunction* functions;  // of the served segment, in snapshot order
    std::uint32_t count;
    std::uint32_t address;  // the last value written to the address register
};

// Parses `text`; the functions of segment `domain` go into `space` (arena
// memory). BS_OK, or BS_BAD_BOARD / BS_NO_MEMORY with the line and reason
// in `error` (its file is left to the caller).
BsStatus ParsePciSnapshot(Arena& arena, std::string_view text, std::uint32_t domain, PciSpace& space,
                          BsLoadError& error);

// The function at bus/device/function of the served segment, or null.
const PciFunction* FindPciFunction(const PciSpace& space, std::uint32_t bus, std::uint32_t device,
                                   std::uint32_t function);

}  // namespace boardsim

#endif
