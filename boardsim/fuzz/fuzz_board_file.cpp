// Arbitrary bytes as a board file; a board that loads answers its lists,
// descriptors, readings, item methods and MSR reads.
#include "FuzzSupport.h"

#include <cstring>

namespace {

// Form 1 (no argument), 2 (one integer) or 4 (one buffer of the argument
// word: GGRP and GITM).
void Call(BsBoard* board, std::uint32_t form, std::uint32_t name, std::uint32_t argument)
{
    std::uint8_t request[24] = {};
    std::size_t requestLength = form == 1 ? 20 : 24;
    std::uint32_t header[4] = {form, name, form == 1 ? 0u : 1u, form == 1 ? 0u : 8u};
    std::memcpy(request, header, sizeof header);
    if (form != 1) {
        request[16] = form == 4 ? 2 : 0;
        request[18] = 4;
        std::memcpy(request + 20, &argument, 4);
    }
    std::uint8_t result[1024];
    std::size_t length = 0;
    if (BsEvaluate(board, request, requestLength, result, sizeof result, &length, argument) == BS_OK) {
        boardsim::fuzz::CheckResult(result, length);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BsAllocator allocator = boardsim::fuzz::MallocAllocator();
    BsBoard* board = nullptr;
    BsLoadError error;
    std::memset(&error, 0x5A, sizeof error);
    BsStatus status = BsBoardLoad(&allocator, reinterpret_cast<const char*>(data), size, &board, &error);
    if (status != BS_OK) {
        if (board != nullptr || std::memchr(error.message, 0, sizeof error.message) == nullptr) {
            std::abort();
        }
        return 0;
    }
    if (std::strlen(BsBoardName(board)) == 0) {
        std::abort();
    }
    const char* names[] = {"VSIF", "TSIF", "FSIF", "VCOR", "TCPU", "FCPU", "V000",
                           "KVIF", "OCIF", "MBIF", "GPLV", "KV03", "OC05", "G011"};
    for (const char* name : names) {
        Call(board, 1, BS_METHOD_NAME(name[0], name[1], name[2], name[3]), 0);
    }
    for (std::uint32_t itemId : {0x06020000u, 0x06030000u, 0x06040000u}) {
        Call(board, 2, BS_METHOD_NAME('R', 'V', 'L', 'T'), itemId);
        Call(board, 2, BS_METHOD_NAME('R', 'T', 'M', 'P'), itemId);
        Call(board, 2, BS_METHOD_NAME('R', 'F', 'A', 'N'), itemId);
        Call(board, 2, BS_METHOD_NAME('O', 'C', 'O', 'P'), itemId | 0x04000000u);
        Call(board, 2, BS_METHOD_NAME('K', 'V', 'S', 'T'), itemId | 0x04000000u);
        Call(board, 4, BS_METHOD_NAME('G', 'I', 'T', 'M'), itemId | 0x04000000u);
    }
    for (std::uint32_t argument : {0u, 1u, 2u, 4u}) {
        Call(board, 2, BS_METHOD_NAME('G', 'C', 'Q', 'V'), argument);
        Call(board, 4, BS_METHOD_NAME('G', 'G', 'R', 'P'), argument);
    }
    std::uint64_t msr = 0;
    BsReadMsr(board, 0x1A0, &msr);
    BsBoardFree(board);
    return 0;
}
