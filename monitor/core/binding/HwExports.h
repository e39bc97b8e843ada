// The VantorHw exports the program binds by name, as one table of function
// pointers (VantorHwExports.h). A missing export stays null and every caller
// skips it. The two exports the program never calls
// (OCAPI_ACPI_OC__MB_GetBoardName, OCAPI_GetCurrentCpuFrequency) are not
// looked up at all and stay null.
#pragma once

#include <functional>

#include "VantorHwExports.h"

namespace vantor::monitor {

using RawProc = hw::RawProc;
using HwExports = hw::ExportTable;

// Finds one export by name; null when it is missing.
using ExportLookup = std::function<RawProc(const char* name)>;

inline constexpr int kBoundExportCount = hw::kBoundExportCount;

// Looks up every bound export by name, in table order.
HwExports BindExports(const ExportLookup& lookup);

}  // namespace vantor::monitor
