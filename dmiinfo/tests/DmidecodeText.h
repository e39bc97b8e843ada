// Reads dmidecode's text output into records: per structure its type, its
// title line and its "Key: Value" lines (list lines below a key are kept as
// that key's items).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor::dmi::test {

struct DmidecodeRecord {
    int type = -1;
    std::string title;
    std::vector<std::pair<std::string, std::string>> fields;
    std::map<std::string, std::vector<std::string>> lists;

    // The value of the first field named `key`; nullptr when there is none.
    const std::string* Find(std::string_view key) const;
};

struct DmidecodeText {
    int majorVersion = 0;
    int minorVersion = 0;
    std::vector<DmidecodeRecord> records;

    // The records of one type, in table order.
    std::vector<const DmidecodeRecord*> OfType(int type) const;
};

DmidecodeText ParseDmidecodeText(std::string_view text);

}  // namespace vantor::dmi::test
