#include "sim/BoardSimChannel.h"

#include <cstdlib>

namespace vantor::hw {
namespace {

void* Allocate(void*, std::size_t size) { return std::malloc(size); }
void Release(void*, void* block) { std::free(block); }
constexpr BsAllocator kHeap{Allocate, Release, nullptr};

}  // namespace

BoardSimChannel::~BoardSimChannel() { Close(); }

bool BoardSimChannel::Load(std::string_view boardText, BsLoadError* error)
{
    Close();
    BsLoadError ignored{};
    return BsBoardLoad(&kHeap, boardText.data(), boardText.size(), &m_board, error != nullptr ? error : &ignored) ==
           BS_OK;
}

void BoardSimChannel::Close()
{
    BsBoardFree(m_board);
    m_board = nullptr;
}

bool BoardSimChannel::Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
                           std::uint32_t& bytesReturned)
{
    bytesReturned = 0;
    if (m_board == nullptr)
        return false;
    std::size_t written = 0;
    m_lastStatus = BsEvaluate(m_board, request.data(), request.size(), result.data(), result.size(), &written, m_nowMs);
    if (m_lastStatus != BS_OK)
        return false;
    bytesReturned = static_cast<std::uint32_t>(written);
    return true;
}

}  // namespace vantor::hw
