// Arbitrary bytes as the PCI snapshot a board names; a board that loads
// answers configuration reads through the ports. The snapshot's first bytes
// also pick the domain, so functions of other segments are kept out too.
#include "FuzzSupport.h"

#include <cstring>
#include <memory>

namespace {

struct Snapshot {
    const std::uint8_t* data;
    std::size_t size;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BsAllocator allocator = boardsim::fuzz::MallocAllocator();
    // An exact-size copy, so any read past the text is caught.
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size ? size : 1]);
    std::memcpy(copy.get(), data, size);
    Snapshot snapshot{copy.get(), size};

    BsFileReader files{};
    files.context = &snapshot;
    files.Read = [](void* context, const char*, const char** text, size_t* length) {
        const auto* s = static_cast<const Snapshot*>(context);
        *text = reinterpret_cast<const char*>(s->data);
        *length = s->size;
        return BS_OK;
    };
    files.Release = [](void*, const char*) {};

    const char* boards[] = {"[board]\nname = F\npci = snap.lspci\n",
                            "[board]\nname = F\npci = snap.lspci\npci_domain = 1\n"};
    const char* board = boards[size > 0 && (data[0] & 1) ? 1 : 0];
    BsBoard* loaded = nullptr;
    BsLoadError error;
    std::memset(&error, 0x5A, sizeof error);
    BsStatus status = BsBoardLoadWithFiles(&allocator, &files, board, std::strlen(board), &loaded, &error);
    if (status != BS_OK) {
        if (loaded != nullptr || std::memchr(error.message, 0, sizeof error.message) == nullptr ||
            std::memchr(error.file, 0, sizeof error.file) == nullptr) {
            std::abort();
        }
        return 0;
    }
    // The walk a reader makes: every device of a few buses, the header and
    // the first capability bytes.
    for (std::uint32_t bus : {0u, 1u, 2u, 0xFFu}) {
        for (std::uint32_t devfn = 0; devfn < 256; ++devfn) {
            for (std::uint32_t offset : {0x00u, 0x0Cu, 0x34u, 0xFCu}) {
                std::uint32_t value = 0;
                BsPortWrite(loaded, 0xCF8, 4, 0x80000000u | bus << 16 | devfn << 8 | offset);
                BsPortRead(loaded, 0xCFC, 4, &value);
                BsPortRead(loaded, 0xCFD, 2, &value);
                BsPortRead(loaded, 0xCFF, 1, &value);
            }
        }
    }
    BsBoardFree(loaded);
    return 0;
}
