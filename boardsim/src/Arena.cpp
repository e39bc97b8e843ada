#include "Arena.h"

#include <cstdint>
#include <cstring>

namespace boardsim {

struct Arena::Block {
    Block* next;
};

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t) > sizeof(void*) ? alignof(std::max_align_t)
                                                                             : sizeof(void*);
constexpr std::size_t kBlockSize = 4096;

constexpr std::size_t AlignUp(std::size_t value) { return (value + kAlignment - 1) & ~(kAlignment - 1); }

constexpr std::size_t kBlockHeader = AlignUp(sizeof(void*));

}  // namespace

void Arena::Init(const BsAllocator& allocator)
{
    m_allocator = allocator;
    m_blocks = nullptr;
    m_used = 0;
    m_capacity = 0;
}

void Arena::ReleaseAll()
{
    // The arena may live in one of its own blocks: copy what the loop needs.
    BsAllocator allocator = m_allocator;
    Block* block = m_blocks;
    m_blocks = nullptr;
    m_used = 0;
    m_capacity = 0;
    while (block) {
        Block* next = block->next;
        allocator.Release(allocator.context, block);
        block = next;
    }
}

void* Arena::Allocate(std::size_t size)
{
    if (size > static_cast<std::size_t>(-1) / 4) {
        return nullptr;
    }
    size = AlignUp(size == 0 ? 1 : size);
    if (!m_blocks || m_capacity - m_used < size) {
        std::size_t capacity = size > kBlockSize - kBlockHeader ? size : kBlockSize - kBlockHeader;
        void* memory = m_allocator.Allocate(m_allocator.context, kBlockHeader + capacity);
        if (!memory) {
            return nullptr;
        }
        Block* block = static_cast<Block*>(memory);
        block->next = m_blocks;
        m_blocks = block;
        m_used = 0;
        m_capacity = capacity;
    }
    std::uint8_t* start = reinterpret_cast<std::uint8_t*>(m_blocks) + kBlockHeader + m_used;
    m_used += size;
    std::memset(start, 0, size);
    return start;
}

bool Arena::CopyText(std::string_view text, std::string_view& copy)
{
    char* memory = static_cast<char*>(Allocate(text.size() + 1));
    if (!memory) {
        return false;
    }
    std::memcpy(memory, text.data(), text.size());
    memory[text.size()] = '\0';
    copy = std::string_view(memory, text.size());
    return true;
}

}  // namespace boardsim
