// Arbitrary bytes as a mapped table window. The fuzzer's exact-size input
// buffer makes any read past the window visible to ASan.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

#include "DecodeInvariants.h"
#include "core/IniNameTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const vantor::dmi::IniNameTable names =
            vantor::dmi::IniNameTable::Load(DMIINFO_SMBIOS_INI).value_or(vantor::dmi::IniNameTable{});
    const std::string broken = vantor::dmi::fuzz::CheckDecode(std::span<const std::uint8_t>(data, size), names);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", broken.c_str());
        __builtin_trap();
    }
    return 0;
}
