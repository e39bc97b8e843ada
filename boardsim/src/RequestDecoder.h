// Decodes the method-call request of IOCTL_HWACPI_CALL: a 16-byte header
// (argument form, method name, argument count, argument block size) followed
// either by the address of the argument block in the caller's memory
// (pointer layout, 20 bytes) or by the block itself (inline layout).
#ifndef BOARDSIM_REQUESTDECODER_H
#define BOARDSIM_REQUESTDECODER_H

#include <boardsim/BoardSim.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace boardsim {

enum class ArgumentType : std::uint16_t {
    Integer = 0,
    String = 1,
    Buffer = 2
};

// One argument in the ACPI_METHOD_ARGUMENT layout; `data` holds DataLength
// bytes (without the padding to four).
struct Argument {
    ArgumentType type;
    std::span<const std::uint8_t> data;

    std::uint32_t Integer() const;
};

// An ACPI control method takes at most seven arguments (Arg0 to Arg6).
inline constexpr std::uint32_t kMaxArguments = 7;

struct MethodCall {
    std::uint32_t name;
    std::uint32_t argumentCount;
    Argument arguments[kMaxArguments];
};

// BS_OK with `call` filled; BS_BAD_REQUEST for any inconsistency;
// BS_UNSUPPORTED_LAYOUT for a pointer-layout request that carries arguments.
// Reads nothing outside `request`.
BsStatus DecodeRequest(std::span<const std::uint8_t> request, MethodCall& call);

}  // namespace boardsim

#endif
