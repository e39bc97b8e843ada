// Test helpers: method-call requests built byte by byte, results parsed back
// strictly, allocators that count and fail, and boards loaded from files.
#ifndef BOARDSIM_TESTS_ACPIBYTES_H
#define BOARDSIM_TESTS_ACPIBYTES_H

#include <boardsim/BoardSim.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace boardsim::test {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t Name(const char (&name)[5]) { return BS_METHOD_NAME(name[0], name[1], name[2], name[3]); }

void PutU16(Bytes& bytes, std::uint16_t value);
void PutU32(Bytes& bytes, std::uint32_t value);

// One argument in the ACPI_METHOD_ARGUMENT layout, data padded to four.
Bytes IntegerArgument(std::uint32_t value);
Bytes StringArgument(const std::string& text);  // DataLength counts the NUL
Bytes BufferArgument(const Bytes& data);
Bytes RawArgument(std::uint16_t type, std::uint16_t dataLength, const Bytes& data);

// Header fields followed by the block (inline layout) ...
Bytes InlineRequest(std::uint32_t form, std::uint32_t name, std::uint32_t count, std::uint32_t blockSize,
                    const Bytes& block);
// ... or by a block address (pointer layout, 20 bytes).
Bytes PointerRequest(std::uint32_t form, std::uint32_t name, std::uint32_t count, std::uint32_t blockSize,
                     std::uint32_t address);

// The shapes the library sends.
Bytes NoArgumentCall(std::uint32_t name);
Bytes IntegerCall(std::uint32_t name, std::uint32_t value);
Bytes IntegersCall(std::uint32_t name, std::initializer_list<std::uint32_t> values);
// One buffer argument of 32-bit words (form 4, count 1), as the group
// interface's methods take.
Bytes WordsCall(std::uint32_t name, std::initializer_list<std::uint32_t> words);

struct Element {
    std::uint16_t type = 0;
    std::uint16_t dataLength = 0;
    std::uint32_t integer = 0;         // type 0
    std::string text;                  // type 1, without the NUL
    std::vector<std::uint32_t> words;  // type 2, whole little-endian words
};

// A result in the ACPI_EVAL_OUTPUT_BUFFER layout. Parse() checks every field
// against the byte count and records the first inconsistency in `fault`.
struct Result {
    std::uint32_t signature = 0;
    std::uint32_t length = 0;
    std::uint32_t count = 0;
    std::vector<Element> elements;
    std::string fault;

    static Result Parse(std::span<const std::uint8_t> bytes);
};

// Elements as text for comparisons that read well when they fail:
// [2, "ZK-790 Classic", 0x10000, {3, 1}]: integers below 0x10000 in decimal,
// others in hex, strings quoted, buffers in braces.
std::string Show(const std::vector<Element>& elements);

// An allocator over malloc that counts live blocks and can be told to fail
// after a number of successful allocations.
struct CountingAllocator {
    std::size_t live = 0;
    std::size_t total = 0;
    long failAfter = -1;  // -1: never fail

    BsAllocator Get();
};

std::string ReadFile(const std::string& path);

// The files a board file names, for BsBoardLoadWithFiles: texts by name
// first, then files of `folder` (when set). A name found in neither cannot
// be read. Counts the texts handed out and not yet released.
struct BesideFiles {
    std::map<std::string, std::string> texts;
#ifdef BOARDSIM_BOARDS_DIR
    std::string folder = BOARDSIM_BOARDS_DIR;  // the shipped boards' snapshots
#else
    std::string folder;
#endif
    int outstanding = 0;

    BsFileReader Get();
};

// A loaded board, freed on destruction.
class LoadedBoard {
public:
    LoadedBoard() = default;
    ~LoadedBoard();
    LoadedBoard(const LoadedBoard&) = delete;
    LoadedBoard& operator=(const LoadedBoard&) = delete;

    // Loads with `files` as the reader of the files the board names.
    BsStatus Load(const std::string& text, BsLoadError* error = nullptr);
    BsBoard* get() const { return m_board; }

    struct Answer {
        BsStatus status;
        std::size_t length;
        Result result;
    };
    // Evaluates `request` into a 1024-byte buffer, as the library offers.
    Answer Call(const Bytes& request, std::uint64_t nowMs = 0);

    CountingAllocator allocator;
    BesideFiles files;

private:
    BsAllocator m_allocator{};
    BsBoard* m_board = nullptr;
};

}  // namespace boardsim::test

#endif
