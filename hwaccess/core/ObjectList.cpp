#include "core/ObjectList.h"

namespace vantor::hw {

std::optional<MethodName> ObjectNameAt(const ResultList& list, std::size_t index)
{
    const std::string_view text = list.StringAt(index);
    if (text.size() < 4) {
        return std::nullopt;
    }
    return MethodName::FromChars(text);
}

}  // namespace vantor::hw
