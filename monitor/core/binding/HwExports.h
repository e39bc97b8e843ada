// The VantorHw exports the program binds by name, as one table of function
// pointers. A missing export stays null and every caller skips it. The two
// exports the program never calls (OCAPI_ACPI_OC__MB_GetBoardName,
// OCAPI_GetCurrentCpuFrequency) are not looked up at all.
#pragma once

#include <functional>

#include "VantorHw.h"

// X-macro list of the bound exports: define X(name) before use.
#define VANTOR_BOUND_EXPORTS(X)                                                                                        \
    X(OCAPI_Initialization)                                                                                            \
    X(OCAPI_Close)                                                                                                     \
    X(OCAPI_GetHealthData)                                                                                             \
    X(OCAPI_HW_EnumerateOption)                                                                                        \
    X(OCAPI_GetHwSensorData)                                                                                           \
    X(OCAPI_CheckWorkable)                                                                                             \
    X(OCAPI_GetKelvaneInfo)                                                                                            \
    X(OCAPI_EnableKelvane)                                                                                             \
    X(OCAPI_SetKelvaneTarget)                                                                                          \
    X(OCAPI_HideKelvane)                                                                                               \
    X(OCAPI_ACPI_OC_PresetList)                                                                                        \
    X(OCAPI_CheckIntelPowerSaving)                                                                                     \
    X(OCAPI_GetCpuVoltRange)                                                                                           \
    X(OCAPI_GetFanStartTemp)                                                                                           \
    X(OCAPI_GENERAL_GetList)                                                                                           \
    X(OCAPI_KELVANE_GetData)                                                                                           \
    X(OCAPI_KELVANE_SetData)                                                                                           \
    X(OCAPI_NKELVANE_GetData)                                                                                          \
    X(OCAPI_NKELVANE_SetData)                                                                                          \
    X(OCAPI_NKELVANE_GetList)                                                                                          \
    X(OCAPI_GetMBIF)                                                                                                   \
    X(OCAPI_CheckRuvel)

namespace vantor::monitor {

// The generic function-pointer type a lookup answers with; it converts to
// any other function-pointer type without a cast-function-type warning.
using RawProc = void (*)();

// Finds one export by name; null when it is missing.
using ExportLookup = std::function<RawProc(const char* name)>;

struct HwExports {
#define VANTOR_EXPORT_MEMBER(name) name##Fn name = nullptr;
    VANTOR_BOUND_EXPORTS(VANTOR_EXPORT_MEMBER)
#undef VANTOR_EXPORT_MEMBER
};

inline constexpr int kBoundExportCount = 22;

// Looks up every bound export by name, in table order.
HwExports BindExports(const ExportLookup& lookup);

}  // namespace vantor::monitor
