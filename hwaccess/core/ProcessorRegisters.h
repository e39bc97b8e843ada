// The processor facts that come from ZyIO.dll rather than from the board
// firmware. The Win32 shell implements this over the entry points it found
// with GetProcAddress; when the library is not loaded at all, callers get a
// null pointer instead of an object.
#pragma once

#include <cstdint>

namespace vantor::hw {

class ProcessorRegisters {
public:
    virtual ~ProcessorRegisters() = default;

    // CPUID of leaf: words[0] = EBX, words[1] = EDX, words[2] = ECX,
    // words[3] = EAX. False when the entry point is missing; the words are
    // then left as they were.
    virtual bool GetCpuId(std::uint32_t leaf, std::uint32_t words[4]) = 0;

    // A model-specific register: words[0] = low 32 bits, words[1] = high 32
    // bits. False when the entry point is missing, words left as they were.
    virtual bool ReadMsr(std::uint32_t msr, std::uint32_t words[2]) = 0;
};

}  // namespace vantor::hw
