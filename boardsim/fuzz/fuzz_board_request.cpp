// Arbitrary bytes as a method-call request to a shipped board: the classic
// board (sensors, OCOP/PROC, KVIF, OCIF, MBIF, GCQV, GPLV) or the group
// board (GGRP, GITM, SITM and the group interface's item objects).
// Byte 0 picks the result capacity (0..1024); byte 1 the board, the clock
// and, now and then, a test-control request made first from the bytes that
// follow.
#include "FuzzSupport.h"

#include <cstring>
#include <memory>

namespace {

struct ShippedBoard {
    const char* path;
    std::string text;
    BsBoard* board;
};

ShippedBoard g_boards[] = {
        {BOARDSIM_BOARDS_DIR "/classic.ini", {}, nullptr},
        {BOARDSIM_BOARDS_DIR "/group.ini", {}, nullptr},
};
BsAllocator g_allocator;

// Every input starts from the board as loaded, so a crash replays from its
// input alone; only inputs that may change the board pay for a reload.
void LoadBoard(ShippedBoard& shipped)
{
    BsBoardFree(shipped.board);
    shipped.board = nullptr;
    if (BsBoardLoad(&g_allocator, shipped.text.data(), shipped.text.size(), &shipped.board, nullptr) != BS_OK) {
        std::abort();
    }
}

bool Names(const std::uint8_t* data, std::size_t size, const char* method)
{
    return size >= 8 && std::memcmp(data + 4, method, 4) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_allocator = boardsim::fuzz::MallocAllocator();
    for (ShippedBoard& shipped : g_boards) {
        shipped.text = boardsim::fuzz::ReadBoard(shipped.path);
        LoadBoard(shipped);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boardsim::fuzz;
    if (size < 2) {
        return 0;
    }
    const std::size_t capacity = data[0] * 1024u / 255u;
    const std::uint8_t control = data[1];
    data += 2;
    size -= 2;

    ShippedBoard& shipped = g_boards[(control >> 3) & 1];
    BsBoard* board = shipped.board;
    bool changesBoard = (control & 7) >= 6 || Names(data, size, "PROC") || Names(data, size, "SITM");
    if ((control & 7) == 6 && size >= sizeof(BsSetRawRequest)) {
        BsSetRaw(board, data, sizeof(BsSetRawRequest));
        data += sizeof(BsSetRawRequest);
        size -= sizeof(BsSetRawRequest);
    } else if ((control & 7) == 7 && size >= sizeof(BsFailMethodRequest)) {
        BsFailMethod(board, data, sizeof(BsFailMethodRequest));
        data += sizeof(BsFailMethodRequest);
        size -= sizeof(BsFailMethodRequest);
    }
    const std::uint64_t nowMs = static_cast<std::uint64_t>(control >> 4) * 0x9E3779B97F4Aull;

    // Exact-size copies: AddressSanitizer sees any access past either buffer.
    auto request = std::make_unique<std::uint8_t[]>(size);
    if (size > 0) {
        std::memcpy(request.get(), data, size);
    }
    auto result = std::make_unique<std::uint8_t[]>(capacity);
    std::size_t length = 0;
    BsStatus status = BsEvaluate(board, size ? request.get() : nullptr, size, capacity ? result.get() : nullptr,
                                 capacity, &length, nowMs);
    if (status == BS_OK) {
        if (length > capacity) {
            std::abort();
        }
        CheckResult(result.get(), length);
    } else if (status == BS_RESULT_TOO_LARGE) {
        if (length <= capacity) {
            std::abort();
        }
    } else if (status > BS_NO_SUCH_ITEM) {
        std::abort();
    }
    if (changesBoard) {
        LoadBoard(shipped);
    }
    return 0;
}
