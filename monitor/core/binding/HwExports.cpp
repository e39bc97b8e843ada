#include "binding/HwExports.h"

namespace vantor::monitor {

HwExports BindExports(const ExportLookup& lookup) { return hw::BindExportTable(lookup, hw::ExportSet::Bound); }

}  // namespace vantor::monitor
