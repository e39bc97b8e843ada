#include "AcpiBytes.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace boardsim::test {

void PutU16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(Bytes& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

Bytes RawArgument(std::uint16_t type, std::uint16_t dataLength, const Bytes& data)
{
    Bytes bytes;
    PutU16(bytes, type);
    PutU16(bytes, dataLength);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

Bytes IntegerArgument(std::uint32_t value)
{
    Bytes data;
    PutU32(data, value);
    return RawArgument(0, 4, data);
}

Bytes StringArgument(const std::string& text)
{
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    auto length = static_cast<std::uint16_t>(data.size());
    data.resize(data.size() < 4 ? 4 : data.size(), 0);
    return RawArgument(1, length, data);
}

Bytes BufferArgument(const Bytes& bytes)
{
    Bytes data = bytes;
    data.resize(data.size() < 4 ? 4 : data.size(), 0);
    return RawArgument(2, static_cast<std::uint16_t>(bytes.size()), data);
}

Bytes InlineRequest(std::uint32_t form, std::uint32_t name, std::uint32_t count, std::uint32_t blockSize,
                    const Bytes& block)
{
    Bytes bytes;
    PutU32(bytes, form);
    PutU32(bytes, name);
    PutU32(bytes, count);
    PutU32(bytes, blockSize);
    bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

Bytes PointerRequest(std::uint32_t form, std::uint32_t name, std::uint32_t count, std::uint32_t blockSize,
                     std::uint32_t address)
{
    Bytes bytes = InlineRequest(form, name, count, blockSize, {});
    PutU32(bytes, address);
    return bytes;
}

Bytes NoArgumentCall(std::uint32_t name) { return PointerRequest(1, name, 0, 0, 0); }

Bytes IntegerCall(std::uint32_t name, std::uint32_t value)
{
    return InlineRequest(2, name, 1, 8, IntegerArgument(value));
}

Bytes IntegersCall(std::uint32_t name, std::initializer_list<std::uint32_t> values)
{
    Bytes block;
    for (std::uint32_t value : values) {
        Bytes argument = IntegerArgument(value);
        block.insert(block.end(), argument.begin(), argument.end());
    }
    return InlineRequest(4, name, static_cast<std::uint32_t>(values.size()), static_cast<std::uint32_t>(block.size()),
                         block);
}

Bytes WordsCall(std::uint32_t name, std::initializer_list<std::uint32_t> words)
{
    Bytes data;
    for (std::uint32_t word : words) {
        PutU32(data, word);
    }
    Bytes block = BufferArgument(data);
    return InlineRequest(4, name, 1, static_cast<std::uint32_t>(block.size()), block);
}

namespace {

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

}  // namespace

Result Result::Parse(std::span<const std::uint8_t> bytes)
{
    Result result;
    if (bytes.size() < 12) {
        result.fault = "shorter than the header";
        return result;
    }
    result.signature = U32At(bytes, 0);
    result.length = U32At(bytes, 4);
    result.count = U32At(bytes, 8);
    if (result.length != bytes.size()) {
        result.fault = "Length field differs from the bytes written";
        return result;
    }
    std::size_t offset = 12;
    for (std::uint32_t i = 0; i < result.count; ++i) {
        if (bytes.size() - offset < 8) {
            result.fault = "element header runs past the end";
            return result;
        }
        Element element;
        element.type = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
        element.dataLength = static_cast<std::uint16_t>(bytes[offset + 2] | (bytes[offset + 3] << 8));
        std::size_t padded = element.dataLength < 4 ? 4 : element.dataLength;
        if (bytes.size() - offset - 4 < padded) {
            result.fault = "element data runs past the end";
            return result;
        }
        std::span<const std::uint8_t> data = bytes.subspan(offset + 4, element.dataLength);
        if (element.type == 0) {
            if (element.dataLength != 4) {
                result.fault = "integer element without DataLength 4";
                return result;
            }
            element.integer = U32At(data, 0);
        } else if (element.type == 1) {
            if (element.dataLength == 0 || data.back() != 0) {
                result.fault = "string element without its NUL";
                return result;
            }
            element.text.assign(data.begin(), data.end() - 1);
            for (std::size_t pad = element.dataLength; pad < padded; ++pad) {
                if (bytes[offset + 4 + pad] != 0) {
                    result.fault = "string padding not zero";
                    return result;
                }
            }
        } else if (element.type == 2) {
            if (element.dataLength % 4 != 0) {
                result.fault = "buffer element not made of whole words";
                return result;
            }
            for (std::size_t at = 0; at < element.dataLength; at += 4) {
                element.words.push_back(U32At(data, at));
            }
            for (std::size_t pad = element.dataLength; pad < padded; ++pad) {
                if (bytes[offset + 4 + pad] != 0) {
                    result.fault = "buffer padding not zero";
                    return result;
                }
            }
        } else {
            result.fault = "unexpected element type";
            return result;
        }
        result.elements.push_back(element);
        offset += 4 + padded;
    }
    if (offset != bytes.size()) {
        result.fault = "bytes left after the last element";
    }
    return result;
}

namespace {

std::string ShowWord(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, value < 0x10000 ? "%u" : "0x%X", value);
    return text;
}

}  // namespace

std::string Show(const std::vector<Element>& elements)
{
    std::string text = "[";
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        text += i ? ", " : "";
        if (element.type == 0) {
            text += ShowWord(element.integer);
        } else if (element.type == 1) {
            text += "\"" + element.text + "\"";
        } else {
            text += "{";
            for (std::size_t w = 0; w < element.words.size(); ++w) {
                text += (w ? ", " : "") + ShowWord(element.words[w]);
            }
            text += "}";
        }
    }
    return text + "]";
}

BsAllocator CountingAllocator::Get()
{
    BsAllocator allocator;
    allocator.context = this;
    allocator.Allocate = [](void* context, size_t size) -> void* {
        auto* self = static_cast<CountingAllocator*>(context);
        if (self->failAfter >= 0 && static_cast<long>(self->total) >= self->failAfter) {
            return nullptr;
        }
        void* block = std::malloc(size);
        if (block) {
            ++self->live;
            ++self->total;
        }
        return block;
    };
    allocator.Release = [](void* context, void* block) {
        auto* self = static_cast<CountingAllocator*>(context);
        if (block) {
            --self->live;
            std::free(block);
        }
    };
    return allocator;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

BsFileReader BesideFiles::Get()
{
    BsFileReader reader{};
    reader.context = this;
    reader.Read = [](void* context, const char* name, const char** text, std::size_t* length) -> BsStatus {
        auto* self = static_cast<BesideFiles*>(context);
        std::string content;
        if (const auto found = self->texts.find(name); found != self->texts.end()) {
            content = found->second;
        } else if (!self->folder.empty()) {
            std::ifstream file(self->folder + "/" + name, std::ios::binary);
            if (!file) {
                return BS_BAD_BOARD;
            }
            std::ostringstream bytes;
            bytes << file.rdbuf();
            content = bytes.str();
        } else {
            return BS_BAD_BOARD;
        }
        // An exact-size copy, so AddressSanitizer sees any read past it.
        char* copy = static_cast<char*>(std::malloc(content.size() ? content.size() : 1));
        std::copy(content.begin(), content.end(), copy);
        *text = copy;
        *length = content.size();
        ++self->outstanding;
        return BS_OK;
    };
    reader.Release = [](void* context, const char* text) {
        --static_cast<BesideFiles*>(context)->outstanding;
        std::free(const_cast<char*>(text));
    };
    return reader;
}

LoadedBoard::~LoadedBoard() { BsBoardFree(m_board); }

BsStatus LoadedBoard::Load(const std::string& text, BsLoadError* error)
{
    BsBoardFree(m_board);
    m_board = nullptr;
    m_allocator = allocator.Get();
    const BsFileReader reader = files.Get();
    return BsBoardLoadWithFiles(&m_allocator, &reader, text.data(), text.size(), &m_board, error);
}

LoadedBoard::Answer LoadedBoard::Call(const Bytes& request, std::uint64_t nowMs)
{
    // Exact-size copies, so AddressSanitizer sees any read or write past them.
    auto in = std::make_unique<std::uint8_t[]>(request.size() ? request.size() : 1);
    std::copy(request.begin(), request.end(), in.get());
    auto out = std::make_unique<std::uint8_t[]>(1024);
    Answer answer{};
    answer.status = BsEvaluate(m_board, in.get(), request.size(), out.get(), 1024, &answer.length, nowMs);
    if (answer.status == BS_OK) {
        answer.result = Result::Parse(std::span<const std::uint8_t>(out.get(), answer.length));
    }
    return answer;
}

}  // namespace boardsim::test
