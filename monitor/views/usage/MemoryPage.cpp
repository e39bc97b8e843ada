#include "usage/MemoryPage.h"

namespace vantor::views {

std::string GroupThousands(std::uint64_t value, std::string_view separator)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

MemoryTexts MemoryPageTexts(const monitor::MemorySample& sample, std::string_view separator)
{
    return {std::to_string(sample.usedPercent),
            GroupThousands(sample.usedBytes, separator),
            GroupThousands(sample.usedMB, separator),
            GroupThousands(sample.availableBytes, separator),
            GroupThousands(sample.availableMB, separator),
            GroupThousands(sample.totalBytes, separator),
            GroupThousands(sample.totalMB, separator)};
}

MemoryUpdate MemoryPage::Update(const monitor::MemorySample& sample, bool forced, std::string_view separator)
{
    MemoryUpdate update;
    update.texts = MemoryPageTexts(sample, separator);
    const int percent = static_cast<int>(sample.usedPercent);
    if (!forced && percent == m_lastPercent)
        return update;
    update.redrawPie = true;
    update.pie = MemoryPie(sample);
    m_lastPercent = percent;
    return update;
}

}  // namespace vantor::views
