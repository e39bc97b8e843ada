// Any bytes as an SMBIOS dump file and as a firmware-table blob; whatever
// table comes out is shown through the memory windows and read whole.
#include <cstddef>
#include <cstdint>
#include <span>

#include "PhysicalWindows.h"
#include "SmbiosSource.h"

namespace {

void Show(const vantor::zyio::TableSource& source)
{
    if (!source.Ok())
        return;
    vantor::zyio::PhysicalWindows memory;
    memory.SetTable(source.table);
    for (const std::uint32_t base : {vantor::zyio::kBiosAreaBase, vantor::zyio::kTableAddress}) {
        const auto* window = static_cast<const std::uint8_t*>(memory.Map(base, 0xFFF0));
        unsigned sum = 0;
        for (std::size_t i = 0; window != nullptr && i < 0xFFF0; ++i)
            sum += window[i];
        (void)sum;
        memory.Unmap(window);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    Show(vantor::zyio::TableFromFile(bytes));
    Show(vantor::zyio::TableFromFirmwareBlob(bytes));
    return 0;
}
