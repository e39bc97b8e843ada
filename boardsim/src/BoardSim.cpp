// The C interface: argument checks and the hand-over to the engine.
#include <boardsim/BoardSim.h>

#include "Board.h"
#include "BoardFile.h"
#include "Firmware.h"
#include "PciPorts.h"
#include "RequestDecoder.h"
#include "TestControl.h"

#include <cstdint>
#include <span>
#include <string_view>

using namespace boardsim;

namespace {

// A null payload reads as empty, which no test-control record is.
std::span<const std::uint8_t> Payload(const void* payload, size_t length)
{
    if (!payload) {
        return {};
    }
    return std::span(static_cast<const std::uint8_t*>(payload), length);
}

}  // namespace

BsStatus BsBoardLoad(const BsAllocator* allocator, const char* text, size_t length, BsBoard** board, BsLoadError* error)
{
    return BsBoardLoadWithFiles(allocator, nullptr, text, length, board, error);
}

BsStatus BsBoardLoadWithFiles(const BsAllocator* allocator, const BsFileReader* files, const char* text, size_t length,
                              BsBoard** board, BsLoadError* error)
{
    if (error) {
        error->line = 0;
        error->file[0] = '\0';
        error->message[0] = '\0';
    }
    if (!allocator || !allocator->Allocate || !allocator->Release || !board || (!text && length != 0)) {
        return BS_BAD_REQUEST;
    }
    *board = nullptr;
    return LoadBoard(*allocator, files, std::string_view(text ? text : "", length), *board, error);
}

void BsBoardFree(BsBoard* board) { FreeBoard(board); }

const char* BsBoardName(const BsBoard* board) { return board ? board->name.data() : ""; }

int BsBoardTestControl(const BsBoard* board) { return board && board->testControl ? 1 : 0; }

BsStatus BsEvaluate(BsBoard* board, const void* request, size_t requestLength, void* result, size_t resultCapacity,
                    size_t* resultLength, uint64_t nowMs)
{
    if (!board || !resultLength || (!request && requestLength != 0) || (!result && resultCapacity != 0)) {
        return BS_BAD_REQUEST;
    }
    *resultLength = 0;
    MethodCall call;
    BsStatus status = DecodeRequest(std::span(static_cast<const std::uint8_t*>(request), requestLength), call);
    if (status != BS_OK) {
        return status;
    }
    return EvaluateMethod(*board, call, std::span(static_cast<std::uint8_t*>(result), resultCapacity), resultLength,
                          nowMs);
}

BsStatus BsSetRaw(BsBoard* board, const void* payload, size_t length)
{
    if (!board) {
        return BS_BAD_REQUEST;
    }
    return SetRaw(*board, Payload(payload, length));
}

BsStatus BsFailMethod(BsBoard* board, const void* payload, size_t length)
{
    if (!board) {
        return BS_BAD_REQUEST;
    }
    return FailMethod(*board, Payload(payload, length));
}

BsStatus BsReadMsr(const BsBoard* board, uint32_t msr, uint64_t* value)
{
    if (!board || !value) {
        return BS_BAD_REQUEST;
    }
    if (msr != kMiscEnableMsr || !board->cpu.hasMiscEnable) {
        return BS_NO_SUCH_ITEM;
    }
    *value = board->cpu.miscEnable;
    return BS_OK;
}

namespace {

bool PortAccessFits(std::uint32_t port, std::uint32_t width)
{
    return (width == 1 || width == 2 || width == 4) && port <= 0x10000u - width;
}

}  // namespace

BsStatus BsPortRead(BsBoard* board, uint32_t port, uint32_t width, uint32_t* value)
{
    if (!board || !value || !PortAccessFits(port, width)) {
        return BS_BAD_REQUEST;
    }
    *value = ReadPorts(board->pci, port, width);
    return BS_OK;
}

BsStatus BsPortWrite(BsBoard* board, uint32_t port, uint32_t width, uint32_t value)
{
    if (!board || !PortAccessFits(port, width)) {
        return BS_BAD_REQUEST;
    }
    WritePorts(board->pci, port, width, value);
    return BS_OK;
}
