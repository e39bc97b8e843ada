// The I/O ports of a simulated board whose file names a PCI snapshot: the
// same engine the driver serves them from, called in this process. Records
// every port write, so a test can see that nothing but the address register
// was written.
#pragma once

#include <boardsim/BoardSim.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ConfigSpace.h"

namespace vantor::pci::testing {

std::string ReadWholeFile(const std::string& path);

class SimulatedPorts final : public PortIo {
public:
    SimulatedPorts() = default;
    ~SimulatedPorts() override;
    SimulatedPorts(const SimulatedPorts&) = delete;
    SimulatedPorts& operator=(const SimulatedPorts&) = delete;

    // A board serving `snapshot` (lspci -x text) for PCI segment `domain`;
    // false with the engine's message in `error`.
    bool Load(const std::string& snapshot, std::uint32_t domain, std::string& error);

    std::uint32_t InPortD(std::uint16_t port) override;
    void OutPortD(std::uint16_t port, std::uint32_t value) override;

    struct Write {
        std::uint16_t port;
        std::uint32_t value;
    };
    const std::vector<Write>& Writes() const { return m_writes; }
    std::size_t Reads() const { return m_reads; }

private:
    BsBoard* m_board = nullptr;
    std::string m_snapshot;
    std::vector<Write> m_writes;
    std::size_t m_reads = 0;
};

}  // namespace vantor::pci::testing
