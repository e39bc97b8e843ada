#include "BusWalk.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantor::pci {
namespace {

constexpr unsigned kBuses = 256;
constexpr std::uint8_t kDevices = 32;
constexpr std::uint8_t kFunctions = 8;

constexpr std::uint8_t kHeaderTypeRegister = 0x0C;  // header type in byte 2
constexpr std::uint8_t kBusNumberRegister = 0x18;   // primary, secondary, subordinate
constexpr std::uint8_t kMultiFunctionBit = 0x80;
constexpr std::uint8_t kBridgeHeader = 1;
constexpr std::uint8_t kCardBusHeader = 2;

bool Present(std::uint32_t ids)
{
    const std::uint32_t vendor = ids & 0xFFFF;
    return vendor != 0xFFFF && vendor != 0x0000;
}

class Walker {
public:
    explicit Walker(ConfigSpace& space) : m_space(space) {}

    std::vector<FunctionAddress> Run()
    {
        Walk(0);
        for (unsigned bus = 1; bus < kBuses; ++bus) {
            const auto number = static_cast<std::uint8_t>(bus);
            if (!m_walked[bus] && !m_covered[bus] && Present(m_space.ReadDword({number, 0, 0}, 0))) {
                Walk(number);
            }
        }
        std::sort(m_found.begin(), m_found.end());
        return std::move(m_found);
    }

private:
    // Walks `first` and every bus behind its bridges, depth first, with an
    // explicit stack so that no chain of bridges can run the stack out.
    void Walk(std::uint8_t first)
    {
        std::vector<std::uint8_t> pending{first};
        while (!pending.empty()) {
            const std::uint8_t bus = pending.back();
            pending.pop_back();
            if (m_walked[bus]) {
                continue;  // a second bridge naming the same bus: firmware's mistake
            }
            m_walked[bus] = true;
            for (std::uint8_t device = 0; device < kDevices; ++device) {
                WalkDevice(bus, device, pending);
            }
        }
    }

    void WalkDevice(std::uint8_t bus, std::uint8_t device, std::vector<std::uint8_t>& pending)
    {
        bool multiFunction = false;
        for (std::uint8_t function = 0; function < kFunctions; ++function) {
            if (function > 0 && !multiFunction) {
                return;
            }
            const FunctionAddress at{bus, device, function};
            if (!Present(m_space.ReadDword(at, 0))) {
                if (function == 0) {
                    return;
                }
                continue;
            }
            m_found.push_back(at);
            const auto headerType = static_cast<std::uint8_t>(m_space.ReadDword(at, kHeaderTypeRegister) >> 16);
            if (function == 0) {
                multiFunction = (headerType & kMultiFunctionBit) != 0;
            }
            const std::uint8_t layout = headerType & 0x7F;
            if (layout == kBridgeHeader || layout == kCardBusHeader) {
                const std::uint32_t buses = m_space.ReadDword(at, kBusNumberRegister);
                const auto secondary = static_cast<std::uint8_t>(buses >> 8);
                const auto subordinate = static_cast<std::uint8_t>(buses >> 16);
                // Secondary 0 is a bridge firmware left unconfigured.
                if (secondary != 0) {
                    for (unsigned covered = secondary; covered <= std::max(secondary, subordinate); ++covered) {
                        m_covered[covered] = true;
                    }
                    pending.push_back(secondary);
                }
            }
        }
    }

    ConfigSpace& m_space;
    std::array<bool, kBuses> m_walked{};
    std::array<bool, kBuses> m_covered{};
    std::vector<FunctionAddress> m_found;
};

}  // namespace

std::vector<FunctionAddress> WalkBuses(ConfigSpace& space) { return Walker(space).Run(); }

}  // namespace vantor::pci
