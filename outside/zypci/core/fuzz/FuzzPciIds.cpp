// Arbitrary bytes as pci.ids: the reader never reads outside the text, and
// every name it keeps is short and free of control characters.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PciIds.h"

namespace {

void Check(const std::string* name)
{
    if (name == nullptr)
        return;
    if (name->empty() || name->size() > vantor::pci::kMaxNameLength)
        std::abort();
    for (const char c : *name)
        if (static_cast<unsigned char>(c) < 0x20)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto ids = vantor::pci::PciIds::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::uint16_t id : {0x0000, 0x8086, 0x10cf, 0xffff, 0x1234}) {
        Check(ids.Vendor(id));
        Check(ids.Device(id, id));
        Check(ids.Subsystem(id, id, id, id));
    }
    for (std::uint8_t code : {0x00, 0x01, 0x06, 0xff}) {
        Check(ids.Class(code));
        Check(ids.Subclass(code, code));
        Check(ids.ProgrammingInterface(code, code, code));
    }
    return 0;
}
