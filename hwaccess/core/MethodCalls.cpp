#include "core/MethodCalls.h"

#include <optional>

#include "core/ArgumentBlock.h"
#include "core/MethodCallRequest.h"
#include "core/ResultList.h"

namespace vantor::hw {

namespace {

// Only 32-bit processes use the pointer layout, so the address fits; a
// 64-bit build never sends it.
std::uint32_t AddressOf(const ArgumentBlock& block)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(block.Bytes().data()));
}

// block must stay alive until Send returns: in the pointer layout the device
// reads it through the address in the request.
bool Call(MethodChannel& channel, MethodName name, const ArgumentBlock& block, ResultBuffer& result)
{
    result.fill(0);
    if (!channel.IsOpen()) {
        return false;
    }
    const MethodCallRequest request(name, block, channel.Layout(), AddressOf(block));
    std::uint32_t bytesReturned = 0;
    return channel.Send(request.Bytes(), result, bytesReturned);
}

}  // namespace

bool CallMethod(MethodChannel& channel, MethodName name, ResultBuffer& result)
{
    return Call(channel, name, ArgumentBlock::None(), result);
}

bool CallMethodInt(MethodChannel& channel, MethodName name, std::uint32_t value, ResultBuffer& result)
{
    return Call(channel, name, ArgumentBlock::Integer(value), result);
}

bool CallMethodInt3(MethodChannel& channel, MethodName name, std::uint32_t a, std::uint32_t b, std::uint32_t c,
                    ResultBuffer& result)
{
    return Call(channel, name, ArgumentBlock::Integers(a, b, c), result);
}

bool CallMethodBuffer(MethodChannel& channel, MethodName name, std::span<const std::uint32_t> words,
                      ResultBuffer& result)
{
    const std::optional<ArgumentBlock> block = ArgumentBlock::Buffer(words);
    if (!block) {
        result.fill(0);
        return false;
    }
    return Call(channel, name, *block, result);
}

std::uint32_t ReadInteger(MethodChannel& channel, MethodName name, std::uint32_t value)
{
    ResultBuffer result;
    if (!CallMethodInt(channel, name, value, result)) {
        return 0;
    }
    return ResultList(result).IntegerAt(0);
}

}  // namespace vantor::hw
