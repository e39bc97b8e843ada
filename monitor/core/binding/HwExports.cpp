#include "binding/HwExports.h"

namespace vantor::monitor {

HwExports BindExports(const ExportLookup& lookup)
{
    HwExports exports;
#define VANTOR_BIND_EXPORT(name) exports.name = reinterpret_cast<name##Fn>(lookup(#name));
    VANTOR_BOUND_EXPORTS(VANTOR_BIND_EXPORT)
#undef VANTOR_BIND_EXPORT
    return exports;
}

}  // namespace vantor::monitor
