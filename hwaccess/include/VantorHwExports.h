// The exports of VantorHw.dll as X-macro lists, the table of their function
// pointers and the one way to fill it by name. Portable: the lookup is the
// caller's (GetProcAddress, a simulated library, a test's fake).
#pragma once

#include "VantorHw.h"

// The 22 exports the monitor binds, in the order it looks them up.
#define VANTORHW_BOUND_EXPORTS(X)                                                                                      \
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

// The two the library exports and the monitor never calls.
#define VANTORHW_UNBOUND_EXPORTS(X)                                                                                    \
    X(OCAPI_ACPI_OC__MB_GetBoardName)                                                                                  \
    X(OCAPI_GetCurrentCpuFrequency)

// All 24.
#define VANTORHW_EXPORTS(X) VANTORHW_BOUND_EXPORTS(X) VANTORHW_UNBOUND_EXPORTS(X)

#ifdef __cplusplus

namespace vantor::hw {

// The generic function-pointer type a lookup answers with; it converts to
// any other function-pointer type without a cast-function-type warning.
using RawProc = void (*)();

// One pointer per export; a missing export stays null and its callers skip it.
struct ExportTable {
#define VANTORHW_EXPORT_MEMBER(name) name##Fn name = nullptr;
    VANTORHW_EXPORTS(VANTORHW_EXPORT_MEMBER)
#undef VANTORHW_EXPORT_MEMBER
};

inline constexpr int kExportCount = 24;
inline constexpr int kBoundExportCount = 22;

// Which exports BindExportTable looks up: the monitor's 22, or all 24.
enum class ExportSet {
    Bound,
    All
};

// Looks up each export of the set by name, in list order; lookup takes the
// name and answers a RawProc, null when the export is missing.
template <typename Lookup>
ExportTable BindExportTable(Lookup&& lookup, ExportSet set)
{
    ExportTable table;
#define VANTORHW_BIND_EXPORT(name) table.name = reinterpret_cast<name##Fn>(lookup(#name));
    VANTORHW_BOUND_EXPORTS(VANTORHW_BIND_EXPORT)
    if (set == ExportSet::All) {
        VANTORHW_UNBOUND_EXPORTS(VANTORHW_BIND_EXPORT)
    }
#undef VANTORHW_BIND_EXPORT
    return table;
}

}  // namespace vantor::hw

#endif
