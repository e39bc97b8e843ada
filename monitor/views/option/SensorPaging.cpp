#include "option/SensorPaging.h"

#include <algorithm>
#include <string_view>

namespace vantor::views {

using monitor::SensorKind;

SensorKind SensorKindOfTab(int sensorTab)
{
    switch (sensorTab) {
    case 2:
        return SensorKind::Voltage;
    case 3:
        return SensorKind::Fan;
    default:
        return SensorKind::Temperature;
    }
}

bool IsListable(const SensorDescriptor& descriptor, SensorKind kind)
{
    const std::string_view name = monitor::BufferText(descriptor.Name);
    if (name.find_first_not_of(" \t") == std::string_view::npos)
        return false;
    return kind != SensorKind::Temperature || (descriptor.Flags >> 16) != 0;
}

SensorPageView ViewPage(std::span<const SensorDescriptor> descriptors, SensorKind kind, std::size_t page)
{
    SensorPageView view;
    const std::size_t count = descriptors.size();
    view.pageCount = (count + kRowsPerPage - 1) / kRowsPerPage;
    view.page = view.pageCount == 0 ? 0 : std::min(page, view.pageCount - 1);
    for (std::size_t row = 0; row < kRowsPerPage; ++row) {
        const std::size_t index = SensorIndexOfRow(view.page, row);
        if (index >= count || !IsListable(descriptors[index], kind))
            break;
        view.rowsShown = row + 1;
    }
    view.pagingVisible = view.pageCount > 1;
    view.previousEnabled = view.page > 0;
    view.nextEnabled = view.page + 1 < view.pageCount;
    view.pageInfo = std::to_string(view.page + 1) + " / " + std::to_string(view.pageCount);
    return view;
}

std::size_t NextPage(std::size_t page, std::size_t count)
{
    return SensorIndexOfRow(page, kRowsPerPage) < count ? page + 1 : page;
}

std::size_t PreviousPage(std::size_t page) { return page > 0 ? page - 1 : 0; }

}  // namespace vantor::views
