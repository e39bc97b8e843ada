// All memory of one board comes from one arena: blocks taken from the host's
// allocator and released together when the board is freed, so a failed load
// can never leak and the board needs no per-object bookkeeping.
#ifndef BOARDSIM_ARENA_H
#define BOARDSIM_ARENA_H

#include <boardsim/BoardSim.h>

#include <cstddef>
#include <new>
#include <string_view>

namespace boardsim {

class Arena {
public:
    // An arena that takes its blocks from `allocator` (copied). Trivial
    // members only: arenas live inside arena or caller memory, never as
    // statics.
    void Init(const BsAllocator& allocator);
    void ReleaseAll();

    // Zeroed, pointer-aligned memory, or null when the allocator fails.
    void* Allocate(std::size_t size);

    // A value-initialised T in arena memory; T must be trivially
    // destructible because the arena never runs destructors.
    template <typename T>
    T* New()
    {
        void* memory = Allocate(sizeof(T));
        return memory ? ::new (memory) T() : nullptr;
    }

    template <typename T>
    T* NewArray(std::size_t count)
    {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
            return nullptr;
        }
        T* items = static_cast<T*>(Allocate(count * sizeof(T)));
        for (std::size_t i = 0; items && i < count; ++i) {
            ::new (items + i) T();
        }
        return items;
    }

    // A NUL-terminated copy of `text`; the view returned excludes the NUL.
    bool CopyText(std::string_view text, std::string_view& copy);

private:
    struct Block;

    BsAllocator m_allocator;
    Block* m_blocks;
    std::size_t m_used;      // bytes taken from the newest block
    std::size_t m_capacity;  // usable bytes of the newest block
};

}  // namespace boardsim

#endif
