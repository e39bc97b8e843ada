#include "startup/DecimalSeparator.h"

#include <clocale>
#include <locale>

namespace vantor::monitor {

void FixDecimalSeparator()
{
    // Setting the global C++ locale may also set the C locale when it has a
    // name, so the C library's numeric rule is fixed last.
    std::locale::global(std::locale(std::locale(), std::locale::classic(), std::locale::numeric));
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace vantor::monitor
