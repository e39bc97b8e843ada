#include "RequestDecoder.h"

#include "ByteReader.h"

namespace boardsim {
namespace {

constexpr std::uint32_t kFormNoArguments = 1;
constexpr std::uint32_t kFormOneInteger = 2;
constexpr std::uint32_t kFormArgumentList = 4;

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kPointerLayoutSize = 20;

// Header fields that fit together, whatever the layout.
bool HeaderConsistent(std::uint32_t form, std::uint32_t count, std::uint32_t blockSize)
{
    switch (form) {
    case kFormNoArguments:
        return count == 0 && blockSize == 0;
    case kFormOneInteger:
        return count == 1 && blockSize == 8;
    case kFormArgumentList:
        return count >= 1 && count <= kMaxArguments;
    default:
        return false;
    }
}

bool ValidArgument(ArgumentType type, std::span<const std::uint8_t> data)
{
    switch (type) {
    case ArgumentType::Integer:
        return data.size() == 4;
    case ArgumentType::String:
        // ACPI strings carry their NUL inside DataLength.
        for (std::uint8_t byte : data) {
            if (byte == 0) {
                return true;
            }
        }
        return false;
    case ArgumentType::Buffer:
        return true;
    }
    return false;
}

BsStatus DecodeBlock(std::span<const std::uint8_t> block, std::uint32_t count, MethodCall& call)
{
    ByteReader reader(block);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t type = reader.U16();
        std::uint16_t dataLength = reader.U16();
        std::span<const std::uint8_t> data = reader.Bytes(dataLength < 4 ? 4 : dataLength);
        if (!reader.ok() || type > static_cast<std::uint16_t>(ArgumentType::Buffer)) {
            return BS_BAD_REQUEST;
        }
        Argument& argument = call.arguments[i];
        argument.type = static_cast<ArgumentType>(type);
        argument.data = data.first(dataLength);
        if (!ValidArgument(argument.type, argument.data)) {
            return BS_BAD_REQUEST;
        }
    }
    return reader.Remaining() == 0 ? BS_OK : BS_BAD_REQUEST;
}

}  // namespace

std::uint32_t Argument::Integer() const { return data.size() >= 4 ? LoadU32(data.data()) : 0; }

BsStatus DecodeRequest(std::span<const std::uint8_t> request, MethodCall& call)
{
    ByteReader header(request);
    std::uint32_t form = header.U32();
    call.name = header.U32();
    call.argumentCount = header.U32();
    std::uint32_t blockSize = header.U32();
    if (!header.ok() || !HeaderConsistent(form, call.argumentCount, blockSize)) {
        return BS_BAD_REQUEST;
    }

    // A block of four bytes holds no argument, so a 20-byte request is always
    // the pointer layout.
    if (request.size() == kPointerLayoutSize) {
        std::uint32_t address = header.U32();
        if (call.argumentCount != 0) {
            return BS_UNSUPPORTED_LAYOUT;
        }
        return address == 0 ? BS_OK : BS_BAD_REQUEST;
    }

    // The no-argument call has only the pointer layout.
    if (call.argumentCount == 0 || request.size() - kHeaderSize != blockSize) {
        return BS_BAD_REQUEST;
    }
    BsStatus status = DecodeBlock(request.subspan(kHeaderSize), call.argumentCount, call);
    if (status != BS_OK) {
        return status;
    }
    if (form == kFormOneInteger && call.arguments[0].type != ArgumentType::Integer) {
        return BS_BAD_REQUEST;
    }
    return BS_OK;
}

}  // namespace boardsim
