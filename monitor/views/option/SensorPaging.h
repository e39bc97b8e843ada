// The sensor tabs show five rows a page: which sensors a page lists, the page
// text and the paging buttons, and which sensor a row's controls belong to.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "VantorHw.h"
#include "config/SensorConfig.h"

namespace vantor::views {

inline constexpr std::size_t kRowsPerPage = 5;

// Sensor tabs in the order of their buttons: 1 temperature, 2 voltage, 3 fan.
monitor::SensorKind SensorKindOfTab(int sensorTab);

struct SensorPageView {
    std::size_t page = 0;       // from 0; always within the sensor count's pages
    std::size_t pageCount = 0;  // count / 5 rounded up
    std::size_t rowsShown = 0;  // rows 0 .. rowsShown-1 list a sensor, the rest are covered
    bool pagingVisible = false;
    bool previousEnabled = false;  // abLastPage
    bool nextEnabled = false;      // abNextPage
    std::string pageInfo;          // "2 / 3"
};

// A sensor the tab cannot list: its name is blank, or it is a temperature
// whose descriptor flags carry nothing in their upper 16 bits. The listing
// of a page stops at the first such sensor.
bool IsListable(const SensorDescriptor& descriptor, monitor::SensorKind kind);

// The page `page` of the kind's sensors; a page beyond the last (the board
// lost sensors since the page was chosen) shows the last one.
SensorPageView ViewPage(std::span<const SensorDescriptor> descriptors, monitor::SensorKind kind, std::size_t page);

std::size_t NextPage(std::size_t page, std::size_t count);
std::size_t PreviousPage(std::size_t page);

// The sensor behind row `row` (from 0) of page `page`.
constexpr std::size_t SensorIndexOfRow(std::size_t page, std::size_t row) { return page * kRowsPerPage + row; }

}  // namespace vantor::views
