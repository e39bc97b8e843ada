// Reading a list of descriptor objects: a list method (such as "TSIF") answers
// a package whose string elements name descriptor objects; each named object
// is evaluated without argument and read by the descriptor rule.
//
// The outcome has one record per element, in list order, so record i belongs
// to element i. Elements that name nothing (the leading entry count, an
// integer) and objects whose call fails give the empty record, which has
// ItemId 0 and is never selected by callers.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/DescriptorRule.h"
#include "core/MethodCalls.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"
#include "core/ResultList.h"

namespace vantor::hw {

// The object a list element names: the first four characters of a string
// element. A string shorter than an ACPI name segment names nothing.
std::optional<MethodName> ObjectNameAt(const ResultList& list, std::size_t index);

// Empty when the list method fails or the channel is closed.
template <std::size_t WordCount>
std::vector<DescriptorRecord<WordCount>> ReadObjectList(MethodChannel& channel, MethodName listName)
{
    std::vector<DescriptorRecord<WordCount>> records;
    ResultBuffer listResult;
    if (!CallMethod(channel, listName, listResult)) {
        return records;
    }
    const ResultList list(listResult);
    records.resize(list.Size());
    ResultBuffer objectResult;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const std::optional<MethodName> object = ObjectNameAt(list, i);
        if (object && CallMethod(channel, *object, objectResult)) {
            records[i] = ReadDescriptor<WordCount>(ResultList(objectResult));
        }
    }
    return records;
}

}  // namespace vantor::hw
