// A method channel that evaluates requests on a simulated board in this
// process, with the same bytes the driver would receive. Lets the hardware
// access core be tested natively against the firmware the driver serves.
#pragma once

#include <cstdint>
#include <string_view>

#include "boardsim/BoardSim.h"
#include "core/MethodChannel.h"

namespace vantor::hw {

class BoardSimChannel final : public MethodChannel {
public:
    BoardSimChannel() = default;
    ~BoardSimChannel() override;
    BoardSimChannel(const BoardSimChannel&) = delete;
    BoardSimChannel& operator=(const BoardSimChannel&) = delete;

    // Loads board-file text; false (with the error filled) when it is rejected.
    bool Load(std::string_view boardText, BsLoadError* error = nullptr);
    // Requests fail as on a closed device until the next Load.
    void Close();

    // The clock the time-varying readings follow (milliseconds).
    void SetNow(std::uint64_t nowMs) { m_nowMs = nowMs; }
    BsBoard* Board() { return m_board; }
    // Status of the last request the board refused.
    BsStatus LastStatus() const { return m_lastStatus; }

    bool IsOpen() const override { return m_board != nullptr; }
    RequestLayout Layout() const override { return RequestLayout::Inline; }
    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override;

private:
    BsBoard* m_board = nullptr;
    std::uint64_t m_nowMs = 0;
    BsStatus m_lastStatus = BS_OK;
};

}  // namespace vantor::hw
