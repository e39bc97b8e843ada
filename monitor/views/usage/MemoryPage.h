// The Memory page's numbers and when its pie is drawn again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "usage/UsageFormulas.h"
#include "usage/UsagePie.h"

namespace vantor::views {

// Every thousands group separated by the locale's separator, at least one
// digit: 536281088 gives "536,281,088", 0 gives "0".
std::string GroupThousands(std::uint64_t value, std::string_view separator);

struct MemoryTexts {
    std::string usedPercent;     // lbRam1, a whole number
    std::string usedBytes;       // lbRam2
    std::string usedMB;          // lbRam3
    std::string availableBytes;  // lbRam4
    std::string availableMB;     // lbRam5
    std::string totalBytes;      // lbRam6
    std::string totalMB;         // lbRam7
};

MemoryTexts MemoryPageTexts(const monitor::MemorySample& sample, std::string_view separator);

struct MemoryUpdate {
    MemoryTexts texts;
    bool redrawPie = false;
    std::array<PieSlice, 2> pie{};
};

// The pie is drawn again only when the used percent moved since it was last
// drawn, or when the page is just shown (forced). The last percent lives as
// long as the program, so showing the page again starts from it.
class MemoryPage {
public:
    MemoryUpdate Update(const monitor::MemorySample& sample, bool forced, std::string_view separator);

private:
    int m_lastPercent = -1;
};

}  // namespace vantor::views
